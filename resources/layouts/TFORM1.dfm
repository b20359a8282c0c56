object Form1: TForm1
  Left = 183
  Top = 150
  Caption = 'Zelvo健康咨询系列——Ovalune（科普版）'
  ClientHeight = 540
  ClientWidth = 782
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  Position = poDesigned
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object PageControl1: TPageControl
    Left = 4
    Top = 79
    Width = 773
    Height = 455
    ActivePage = TabSheet2
    Anchors = [akLeft, akTop, akRight, akBottom]
    TabOrder = 0
    TabPosition = tpBottom
    object TabSheet2: TTabSheet
      Caption = '软件使用说明'
      TabVisible = False
      object PageControl2: TPageControl
        Left = 3
        Top = 3
        Width = 759
        Height = 441
        ActivePage = TabSheet5
        Anchors = [akLeft, akTop, akRight, akBottom]
        TabHeight = 30
        TabOrder = 0
        object TabSheet5: TTabSheet
          Caption = '声明、简介'
          object OvRichEdit2: TOvRichEdit
            Left = 4
            Top = 3
            Width = 744
            Height = 395
            Anchors = [akLeft, akTop, akRight, akBottom]
            AutoSize = False
            BorderStyle = bsNone
            Font.Charset = GB2312_CHARSET
            Font.Color = clWindowText
            Font.Height = -11
            Font.Name = 'Tahoma'
            Font.Style = []
            ParentFont = False
            ReadOnly = True
            TabOrder = 0
          end
        end
        object TabSheet6: TTabSheet
          Caption = '操作说明'
          object OvRichEdit5: TOvRichEdit
            Left = 3
            Top = 3
            Width = 745
            Height = 395
            Anchors = [akLeft, akTop, akRight, akBottom]
            AutoSize = False
            BorderStyle = bsNone
            Font.Charset = GB2312_CHARSET
            Font.Color = clWindowText
            Font.Height = -11
            Font.Name = 'Tahoma'
            Font.Style = []
            ParentFont = False
            TabOrder = 0
          end
        end
      end
    end
    object TabSheet3: TTabSheet
      Caption = '提高怀孕机率'
      TabVisible = False
      object PageControl3: TPageControl
        Left = 6
        Top = 6
        Width = 759
        Height = 441
        ActivePage = TabSheet10
        Anchors = [akLeft, akTop, akRight, akBottom]
        TabHeight = 30
        TabOrder = 0
        object TabSheet7: TTabSheet
          Caption = '基础体温'
          object OvRichEdit6: TOvRichEdit
            Left = 3
            Top = 3
            Width = 744
            Height = 395
            Anchors = [akLeft, akTop, akRight, akBottom]
            AutoSize = False
            BorderStyle = bsNone
            Font.Charset = GB2312_CHARSET
            Font.Color = clWindowText
            Font.Height = -11
            Font.Name = 'Tahoma'
            Font.Style = []
            ParentFont = False
            ReadOnly = True
            TabOrder = 0
          end
        end
        object TabSheet8: TTabSheet
          Caption = '排卵试纸'
          object OvRichEdit7: TOvRichEdit
            Left = 3
            Top = 3
            Width = 745
            Height = 395
            Anchors = [akLeft, akTop, akRight, akBottom]
            AutoSize = False
            BorderStyle = bsNone
            Font.Charset = GB2312_CHARSET
            Font.Color = clWindowText
            Font.Height = -11
            Font.Name = 'Tahoma'
            Font.Style = []
            ParentFont = False
            TabOrder = 0
          end
        end
        object TabSheet9: TTabSheet
          Caption = '阴道B超'
          object OvRichEdit8: TOvRichEdit
            Left = 3
            Top = 3
            Width = 745
            Height = 395
            Anchors = [akLeft, akTop, akRight, akBottom]
            AutoSize = False
            BorderStyle = bsNone
            Font.Charset = GB2312_CHARSET
            Font.Color = clWindowText
            Font.Height = -11
            Font.Name = 'Tahoma'
            Font.Style = []
            ParentFont = False
            TabOrder = 0
          end
        end
        object TabSheet10: TTabSheet
          Caption = '其它需要注意事项'
          object OvRichEdit9: TOvRichEdit
            Left = 3
            Top = 3
            Width = 745
            Height = 395
            Anchors = [akLeft, akTop, akRight, akBottom]
            AutoSize = False
            BorderStyle = bsNone
            Font.Charset = GB2312_CHARSET
            Font.Color = clWindowText
            Font.Height = -11
            Font.Name = 'Tahoma'
            Font.Style = []
            ParentFont = False
            TabOrder = 0
          end
        end
      end
    end
    object TabSheet1: TTabSheet
      Caption = '快速怀孕的奥秘'
      TabVisible = False
      object OvRichEdit1: TOvRichEdit
        Left = 4
        Top = 3
        Width = 758
        Height = 437
        Anchors = [akLeft, akTop, akRight, akBottom]
        AutoSize = False
        BevelOuter = bvNone
        BorderStyle = bsNone
        Font.Charset = GB2312_CHARSET
        Font.Color = clWindowText
        Font.Height = -11
        Font.Name = 'Tahoma'
        Font.Style = []
        ParentFont = False
        ReadOnly = True
        TabOrder = 0
      end
    end
  end
  object ToolBar2: TToolBar
    Left = 0
    Top = 0
    Width = 782
    Height = 73
    BorderWidth = 2
    ButtonHeight = 60
    ButtonWidth = 91
    Caption = 'ToolBar2'
    Color = clBtnFace
    Images = ImageList1
    ParentColor = False
    ShowCaptions = True
    TabOrder = 1
    Transparent = True
    object ToolButton1: TToolButton
      Left = 0
      Top = 0
      Hint = '快速怀孕的奥秘'
      Caption = '快速怀孕的奥秘'
      ImageIndex = 0
      ParentShowHint = False
      ShowHint = True
      OnClick = ToolButton1Click
    end
    object ToolButton2: TToolButton
      Left = 91
      Top = 0
      Hint = '提高怀孕机率'
      Caption = '提高怀孕几率'
      ImageIndex = 1
      ParentShowHint = False
      ShowHint = True
      OnClick = ToolButton2Click
    end
    object ToolButton4: TToolButton
      Left = 182
      Top = 0
      Hint = '软件使用说明'
      Caption = '软件使用说明'
      ImageIndex = 3
      ParentShowHint = False
      ShowHint = True
      OnClick = ToolButton4Click
    end
    object ToolButton5: TToolButton
      Left = 273
      Top = 0
      Hint = '关于'
      Caption = '关于'
      ImageIndex = 2
      ParentShowHint = False
      ShowHint = True
      OnClick = ToolButton5Click
    end
  end
  object ImageList1: TImageList
    Height = 40
    Width = 40
  end
end
