object AboutBox: TAboutBox
  Left = 200
  Top = 108
  BorderStyle = bsDialog
  Caption = '关于'
  ClientHeight = 185
  ClientWidth = 417
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = True
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object Panel1: TPanel
    Left = 8
    Top = 8
    Width = 401
    Height = 135
    BevelInner = bvRaised
    BevelOuter = bvLowered
    ParentColor = True
    TabOrder = 0
    object ProgramIcon: TImage
      Left = 16
      Top = 16
      Width = 57
      Height = 49
      Stretch = True
    end
    object ProductName: TLabel
      Left = 88
      Top = 16
      Width = 297
      Height = 13
      AutoSize = False
      Caption = 'Zelvo健康咨询系列   Ovalune（科普版）V1.1 '
    end
    object MakerLabel: TLabel
      Left = 88
      Top = 40
      Width = 121
      Height = 13
      AutoSize = False
      Caption = 'Zelvo 健康工作室'
    end
    object Comments: TLabel
      Left = 224
      Top = 40
      Width = 93
      Height = 13
      Caption = '保留所有权利'
      WordWrap = True
    end
    object Label1: TLabel
      Left = 51
      Top = 80
      Width = 84
      Height = 13
      AutoSize = False
      Caption = 'Zelvo主页：：'
    end
    object Label2: TLabel
      Left = 142
      Top = 79
      Width = 199
      Height = 16
      Cursor = crHandPoint
      Caption = 'http://www.example.com/ovalune/'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -13
      Font.Name = 'Tahoma'
      Font.Style = [fsUnderline]
      ParentFont = False
      OnClick = Label2Click
    end
    object Label4: TLabel
      Left = 94
      Top = 103
      Width = 36
      Height = 13
      Caption = '邮箱：'
    end
    object Label3: TLabel
      Left = 142
      Top = 101
      Width = 150
      Height = 16
      Caption = 'ovalune@example.com'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -13
      Font.Name = 'Tahoma'
      Font.Style = []
      ParentFont = False
    end
  end
  object OKButton: TButton
    Left = 167
    Top = 151
    Width = 75
    Height = 25
    Caption = '确定'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
end
