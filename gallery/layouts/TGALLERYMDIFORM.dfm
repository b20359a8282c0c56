object GalleryMDIForm: TGalleryMDIForm
  Left = 160
  Top = 90
  Caption = 'MDI window'
  ClientWidth = 600
  ClientHeight = 420
  Color = clBtnFace
  Font.Height = -11
  Font.Name = 'Tahoma'
  FormStyle = fsMDIForm
  Menu = MainMenu1
  WindowMenu = WindowMenuItem
  Position = poDesigned
  OnCreate = FormCreate
  object MenuImages: TImageList
  end
  object MainMenu1: TMainMenu
    Images = MenuImages
    object FileMenuItem: TMenuItem
      Caption = '&File'
      object NewChildItem: TMenuItem
        Caption = '&New child'
        ImageIndex = 0
        ShortCut = 16462
        OnClick = NewChildItemClick
      end
      object OpenItem: TMenuItem
        Caption = '&Open...'
        ImageIndex = 1
        ShortCut = 16463
      end
      object FileLine1: TMenuItem
        Caption = '-'
      end
      object CheckedItem: TMenuItem
        Caption = '&Checked'
        Checked = True
        OnClick = CheckedItemClick
      end
      object DisabledItem: TMenuItem
        Caption = '&Disabled'
        Enabled = False
      end
      object FileLine2: TMenuItem
        Caption = '-'
      end
      object CloseItem: TMenuItem
        Caption = 'C&lose'
        Default = True
        OnClick = CloseItemClick
      end
    end
    object WindowMenuItem: TMenuItem
      Caption = '&Window'
      GroupIndex = 9
      object CascadeItem: TMenuItem
        Caption = '&Cascade'
        OnClick = CascadeItemClick
      end
      object TileItem: TMenuItem
        Caption = '&Tile'
        OnClick = TileItemClick
      end
    end
    object HelpMenuItem: TMenuItem
      Caption = '&Help'
      GroupIndex = 10
      object AboutItem: TMenuItem
        Caption = '&About the gallery'
        ImageIndex = 2
      end
    end
  end
end
