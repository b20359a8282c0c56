object GalleryForm: TGalleryForm
  Left = 120
  Top = 60
  Caption = 'Ovalune skin gallery'
  ClientWidth = 760
  ClientHeight = 540
  Color = clBtnFace
  Font.Height = -11
  Font.Name = 'Tahoma'
  ActiveControl = Button1
  OnCreate = FormCreate
  object ToolBar1: TToolBar
    Left = 0
    Top = 0
    Width = 760
    Height = 26
    ButtonWidth = 100
    ButtonHeight = 22
    Flat = True
    List = True
    ShowCaptions = True
    Images = ImageList1
    object MessageBoxButton: TToolButton
      Left = 0
      Top = 0
      Caption = 'Message box'
      ImageIndex = 0
      OnClick = MessageBoxButtonClick
    end
    object OpenFileButton: TToolButton
      Left = 100
      Top = 0
      Caption = 'Open file'
      ImageIndex = 1
      OnClick = OpenFileButtonClick
    end
    object FolderButton: TToolButton
      Left = 200
      Top = 0
      Caption = 'Folder'
      ImageIndex = 2
      OnClick = FolderButtonClick
    end
    object PlainDialogButton: TToolButton
      Left = 300
      Top = 0
      Caption = 'Plain dialog'
      ImageIndex = 3
      OnClick = PlainDialogButtonClick
    end
    object SecondFormButton: TToolButton
      Left = 400
      Top = 0
      Caption = 'Second form'
      ImageIndex = 4
      OnClick = SecondFormButtonClick
    end
    object CheckToolButton: TToolButton
      Left = 500
      Top = 0
      Caption = 'Down'
      Style = tbsCheck
      Down = True
      ImageIndex = 5
    end
    object SkinButton: TToolButton
      Left = 600
      Top = 0
      Caption = 'Skin'
      Style = tbsCheck
      Down = True
      ImageIndex = 0
      OnClick = SkinButtonClick
    end
    object MDIButton: TToolButton
      Left = 700
      Top = 0
      Caption = 'MDI window'
      ImageIndex = 3
      OnClick = MDIButtonClick
    end
  end
  object PageControl1: TPageControl
    Left = 4
    Top = 30
    Width = 752
    Height = 486
    ActivePage = ButtonsPage
    Anchors = [akLeft, akTop, akRight, akBottom]
    object ButtonsPage: TTabSheet
      Caption = 'Buttons'
      object Button1: TButton
        Left = 8
        Top = 8
        Width = 100
        Height = 25
        Caption = 'Button'
      end
      object Button2: TButton
        Left = 8
        Top = 40
        Width = 100
        Height = 25
        Caption = 'Default'
        Default = True
      end
      object Button3: TButton
        Left = 8
        Top = 72
        Width = 100
        Height = 25
        Caption = 'Disabled'
        Enabled = False
      end
      object CheckBox1: TCheckBox
        Left = 124
        Top = 8
        Width = 160
        Height = 20
        Caption = 'Checked'
        Checked = True
      end
      object CheckBox2: TCheckBox
        Left = 124
        Top = 32
        Width = 160
        Height = 20
        Caption = 'Unchecked'
      end
      object CheckBox3: TCheckBox
        Left = 124
        Top = 56
        Width = 160
        Height = 20
        Caption = 'Grayed'
        AllowGrayed = True
        State = cbGrayed
      end
      object CheckBox4: TCheckBox
        Left = 124
        Top = 80
        Width = 160
        Height = 20
        Caption = 'Disabled, checked'
        Checked = True
        Enabled = False
      end
      object CheckBox5: TCheckBox
        Left = 124
        Top = 104
        Width = 160
        Height = 20
        Caption = 'Box on the right'
        Alignment = taLeftJustify
      end
      object GroupBox1: TGroupBox
        Left = 300
        Top = 4
        Width = 200
        Height = 120
        Caption = 'Radio buttons'
        object RadioButton1: TRadioButton
          Left = 12
          Top = 24
          Width = 170
          Height = 20
          Caption = 'Checked'
          Checked = True
        end
        object RadioButton2: TRadioButton
          Left = 12
          Top = 52
          Width = 170
          Height = 20
          Caption = 'Unchecked'
        end
        object RadioButton3: TRadioButton
          Left = 12
          Top = 80
          Width = 170
          Height = 20
          Caption = 'Disabled'
          Enabled = False
        end
      end
      object GroupBox2: TGroupBox
        Left = 516
        Top = 4
        Width = 220
        Height = 120
        object Label1: TLabel
          Left = 12
          Top = 40
          Width = 190
          Height = 16
          Caption = 'A group box without a caption'
        end
      end
      object GroupBox3: TGroupBox
        Left = 8
        Top = 136
        Width = 728
        Height = 80
        Caption = 'Speed buttons'
        object SpeedButton1: TSpeedButton
          Left = 12
          Top = 28
          Width = 70
          Height = 30
          Caption = 'Down'
          GroupIndex = 1
          Down = True
        end
        object SpeedButton2: TSpeedButton
          Left = 82
          Top = 28
          Width = 70
          Height = 30
          Caption = 'Up'
          GroupIndex = 1
        end
        object SpeedButton3: TSpeedButton
          Left = 170
          Top = 28
          Width = 70
          Height = 30
          Caption = 'Flat'
          Flat = True
        end
        object SpeedButton4: TSpeedButton
          Left = 258
          Top = 28
          Width = 110
          Height = 30
          Caption = 'With glyph'
          NumGlyphs = 2
        end
        object SpeedButton5: TSpeedButton
          Left = 386
          Top = 28
          Width = 110
          Height = 30
          Caption = 'Disabled'
          NumGlyphs = 2
          Enabled = False
        end
        object SpeedButton6: TSpeedButton
          Left = 514
          Top = 20
          Width = 70
          Height = 48
          Caption = 'Top'
          Layout = blGlyphTop
          NumGlyphs = 2
        end
      end
    end
    object TextPage: TTabSheet
      Caption = 'Text'
      object Label2: TLabel
        Left = 8
        Top = 8
        Width = 100
        Height = 16
        Caption = 'A label'
      end
      object Label3: TLabel
        Left = 8
        Top = 28
        Width = 100
        Height = 16
        Caption = 'Disabled label'
        Enabled = False
      end
      object Edit1: TEdit
        Left = 8
        Top = 52
        Width = 160
        Height = 24
        Text = 'An edit'
      end
      object Edit2: TEdit
        Left = 8
        Top = 84
        Width = 160
        Height = 24
        ReadOnly = True
        Text = 'Read only'
      end
      object Edit3: TEdit
        Left = 8
        Top = 116
        Width = 160
        Height = 24
        Enabled = False
        Text = 'Disabled'
      end
      object Memo1: TMemo
        Left = 184
        Top = 8
        Width = 260
        Height = 132
        ScrollBars = ssVertical
        Lines.Strings = (
          'A memo with a vertical scroll bar.'
          'Line 2'
          'Line 3'
          'Line 4'
          'Line 5'
          'Line 6'
          'Line 7'
          'Line 8'
          'Line 9'
          'Line 10'
          'Line 11'
          'Line 12')
      end
      object RichEdit1: TOvRichEdit
        Left = 460
        Top = 8
        Width = 276
        Height = 132
      end
      object HotKey1: THotKey
        Left = 8
        Top = 160
        Width = 160
        Height = 24
        HotKey = 16449
      end
      object DateTimePicker1: TDateTimePicker
        Left = 184
        Top = 160
        Width = 180
        Height = 24
        Date = '2026-12-07'
      end
      object DateTimePicker2: TDateTimePicker
        Left = 380
        Top = 160
        Width = 160
        Height = 24
        Kind = dtkTime
        Time = '14:30:00'
      end
      object DateTimePicker3: TDateTimePicker
        Left = 556
        Top = 160
        Width = 180
        Height = 24
        DateMode = dmUpDown
        Date = '2026-12-24'
      end
    end
    object ChoicesPage: TTabSheet
      Caption = 'Choices'
      object ComboBox1: TComboBox
        Left = 8
        Top = 8
        Width = 180
        Height = 24
        Text = 'Drop-down'
        Items.Strings = ('Red' 'Green' 'Blue' 'Yellow')
      end
      object ComboBox2: TComboBox
        Left = 8
        Top = 40
        Width = 180
        Height = 24
        Style = csDropDownList
        Items.Strings = ('First choice' 'Second choice' 'Third choice')
        ItemIndex = 1
      end
      object ComboBox3: TComboBox
        Left = 8
        Top = 72
        Width = 180
        Height = 96
        Style = csSimple
        Items.Strings = ('Simple' 'combo' 'box')
        ItemIndex = 0
      end
      object ComboBox4: TComboBox
        Left = 8
        Top = 180
        Width = 180
        Height = 24
        Style = csDropDownList
        Enabled = False
        Items.Strings = ('Disabled')
        ItemIndex = 0
      end
      object ComboBoxEx1: TComboBoxEx
        Left = 204
        Top = 8
        Width = 200
        Height = 24
        Style = csDropDownList
        Images = ImageList1
        ItemsEx = <
          item
            Caption = 'With an image'
            ImageIndex = 0
          end
          item
            Caption = 'Indented'
            ImageIndex = 1
            Indent = 1
          end
          item
            Caption = 'Another image'
            ImageIndex = 2
          end>
        ItemIndex = 0
      end
      object ListBox1: TListBox
        Left = 420
        Top = 8
        Width = 150
        Height = 160
        Items.Strings = (
          'Apple' 'Banana' 'Cherry' 'Date' 'Elderberry' 'Fig' 'Grape' 'Kiwi' 'Lemon' 'Mango' 'Nectarine')
        ItemIndex = 2
      end
      object ListBox2: TListBox
        Left = 586
        Top = 8
        Width = 150
        Height = 160
        Enabled = False
        Items.Strings = ('Disabled' 'list')
      end
    end
    object ValuesPage: TTabSheet
      Caption = 'Values'
      object ProgressBar1: TProgressBar
        Left = 8
        Top = 8
        Width = 300
        Height = 18
        Position = 40
      end
      object ProgressBar2: TProgressBar
        Left = 8
        Top = 34
        Width = 300
        Height = 18
        Position = 100
        Smooth = True
      end
      object ProgressBar3: TProgressBar
        Left = 8
        Top = 60
        Width = 300
        Height = 18
        Min = 5
        Max = 5
      end
      object ProgressBar4: TProgressBar
        Left = 330
        Top = 8
        Width = 18
        Height = 150
        Orientation = pbVertical
        Position = 70
        Smooth = True
      end
      object TrackBar1: TTrackBar
        Left = 8
        Top = 90
        Width = 300
        Height = 45
        Max = 20
        Position = 8
        SelStart = 4
        SelEnd = 12
        TickMarks = tmBoth
        Frequency = 2
      end
      object TrackBar2: TTrackBar
        Left = 8
        Top = 140
        Width = 300
        Height = 32
        TickStyle = tsNone
        Position = 3
        Enabled = False
      end
      object TrackBar3: TTrackBar
        Left = 370
        Top = 8
        Width = 45
        Height = 160
        Orientation = trVertical
        Position = 6
      end
      object Edit4: TEdit
        Left = 440
        Top = 8
        Width = 80
        Height = 24
      end
      object UpDown1: TUpDown
        Left = 520
        Top = 8
        Width = 17
        Height = 24
        Associate = Edit4
        Position = 5
      end
      object UpDown2: TUpDown
        Left = 560
        Top = 8
        Width = 40
        Height = 20
        Orientation = udHorizontal
      end
      object ScrollBar1: TScrollBar
        Left = 8
        Top = 190
        Width = 300
        Height = 18
        Position = 30
        LargeChange = 10
        PageSize = 20
      end
      object ScrollBar2: TScrollBar
        Left = 440
        Top = 50
        Width = 18
        Height = 160
        Kind = sbVertical
        Position = 60
      end
      object ScrollBar3: TScrollBar
        Left = 8
        Top = 220
        Width = 300
        Height = 18
        Enabled = False
      end
    end
    object ListsPage: TTabSheet
      Caption = 'Lists'
      object ListView1: TListView
        Left = 8
        Top = 8
        Width = 360
        Height = 170
        ViewStyle = vsReport
        RowSelect = True
        SmallImages = ImageList1
        Columns = <
          item
            Caption = 'Name'
            Width = 140
          end
          item
            Caption = 'Size'
            Width = 80
            Alignment = taRightJustify
            ImageIndex = 1
          end
          item
            Caption = 'Kind'
            Width = 120
            Alignment = taCenter
          end>
        Items = <
          item
            Caption = 'builtin.ssk'
            ImageIndex = 0
            SubItems.Strings = ('9 524' 'Skin package')
          end
          item
            Caption = 'SKINDATA.SK2'
            ImageIndex = 1
            SubItems.Strings = ('38 112' 'Skin data')
          end
          item
            Caption = 'chapter.rtf'
            ImageIndex = 2
            SubItems.Strings = ('52 004' 'Document')
          end>
        ItemIndex = 1
      end
      object TreeView1: TTreeView
        Left = 384
        Top = 8
        Width = 352
        Height = 170
        Images = ImageList1
        Items.Nodes = (
          'Skin'
          '  Frame'
          '    Title bar'
          '    Borders'
          '  Controls'
          '    Buttons'
          '    Scroll bars'
          'Dialogs')
      end
      object StringGrid1: TStringGrid
        Left = 8
        Top = 190
        Width = 420
        Height = 160
        ColCount = 8
        RowCount = 30
        DefaultColWidth = 70
        DefaultRowHeight = 20
      end
      object DrawGrid1: TDrawGrid
        Left = 444
        Top = 190
        Width = 292
        Height = 160
        ColCount = 6
        RowCount = 6
        DefaultColWidth = 40
        DefaultRowHeight = 24
        OnDrawCell = DrawGrid1DrawCell
      end
    end
    object ContainersPage: TTabSheet
      Caption = 'Containers'
      object CoolBar1: TCoolBar
        Left = 0
        Top = 0
        Width = 744
        object CoolEdit: TEdit
          Width = 150
          Height = 24
          Text = 'In a band'
        end
        object CoolComboBox: TComboBox
          Width = 150
          Height = 24
          Items.Strings = ('In' 'another' 'band')
          ItemIndex = 0
        end
        Bands = <
          item
            Control = CoolEdit
            Text = 'Find'
            Width = 260
          end
          item
            Control = CoolComboBox
            Text = 'Kind'
            Width = 260
            Break = False
          end>
      end
      object Panel1: TPanel
        Left = 8
        Top = 50
        Width = 160
        Height = 60
        Caption = 'Raised panel'
      end
      object Panel2: TPanel
        Left = 8
        Top = 120
        Width = 160
        Height = 60
        BevelOuter = bvLowered
        Caption = 'Lowered panel'
      end
      object ScrollBox1: TScrollBox
        Left = 184
        Top = 50
        Width = 200
        Height = 130
        object ScrollBoxButton1: TButton
          Left = 8
          Top = 8
          Width = 100
          Height = 25
          Caption = 'In a scroll box'
        end
        object ScrollBoxButton2: TButton
          Left = 220
          Top = 200
          Width = 100
          Height = 25
          Caption = 'Far away'
        end
      end
      object GalleryFrame1: TGalleryFrame
        Left = 400
        Top = 50
      end
      object Image1: TImage
        Left = 640
        Top = 50
        Width = 96
        Height = 96
      end
      object TabControl1: TTabControl
        Left = 8
        Top = 196
        Width = 360
        Height = 150
        Tabs.Strings = ('First tab' 'Second tab' 'Third tab')
        TabIndex = 0
      end
      object PageControl2: TPageControl
        Left = 384
        Top = 196
        Width = 352
        Height = 150
        ActivePage = InnerPage1
        object InnerPage1: TTabSheet
          Caption = 'Inner page'
          object InnerLabel: TLabel
            Left = 8
            Top = 8
            Width = 300
            Height = 16
            Caption = 'A page control on a page'
          end
        end
        object InnerPage2: TTabSheet
          Caption = 'Another'
        end
      end
    end
  end
  object StatusBar1: TStatusBar
    Panels = <
      item
        Text = 'Skin: built-in skin'
        Width = 460
      end
      item
        Text = 'Skin: on'
      end>
  end
  object ImageList1: TImageList
    Width = 16
    Height = 16
  end
  object krvSkinEngine1: TkrvSkinEngine
    Active = True
    BuiltIn = True
    SkinDialogs = True
    SkinAllForms = True
    DisabledTag = 9999
    DrawScrollBar = True
    SkinData = {}
  end
end
