object GalleryMDIChild: TGalleryMDIChild
  Left = 0
  Top = 0
  Caption = 'Child'
  ClientWidth = 300
  ClientHeight = 180
  Color = clBtnFace
  Font.Height = -11
  Font.Name = 'Tahoma'
  FormStyle = fsMDIChild
  Menu = ChildMenu
  Position = poDefault
  OnClose = FormClose
  object ChildMenu: TMainMenu
    object ChartMenuItem: TMenuItem
      Caption = 'C&hart'
      GroupIndex = 2
      object BarsItem: TMenuItem
        Caption = '&Bars'
        Checked = True
        RadioItem = True
      end
      object LinesItem: TMenuItem
        Caption = '&Lines'
        RadioItem = True
      end
    end
  end
  object Label1: TLabel
    Left = 12
    Top = 12
    Width = 260
    Height = 16
    Caption = 'An MDI child with a menu of its own.'
  end
end
