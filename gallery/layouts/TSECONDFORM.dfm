object SecondForm: TSecondForm
  Left = 240
  Top = 160
  BorderStyle = bsDialog
  Caption = 'Second form'
  ClientWidth = 340
  ClientHeight = 200
  Color = clBtnFace
  Font.Height = -11
  Font.Name = 'Tahoma'
  Position = poScreenCenter
  object Label1: TLabel
    Left = 12
    Top = 12
    Width = 300
    Height = 16
    Caption = 'A second framework form, shown modally.'
  end
  object Edit1: TEdit
    Left = 12
    Top = 40
    Width = 200
    Height = 24
    Text = 'Text to edit'
  end
  object CheckBox1: TCheckBox
    Left = 12
    Top = 76
    Width = 200
    Height = 20
    Caption = 'A check box'
    Checked = True
  end
  object ProgressBar1: TProgressBar
    Left = 12
    Top = 108
    Width = 316
    Height = 16
    Position = 65
  end
  object OKButton: TButton
    Left = 172
    Top = 160
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
  end
  object CancelButton: TButton
    Left = 253
    Top = 160
    Width = 75
    Height = 25
    Caption = 'Cancel'
    Cancel = True
    ModalResult = 2
  end
end
