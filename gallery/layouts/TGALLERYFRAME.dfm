object GalleryFrame: TGalleryFrame
  Width = 230
  Height = 120
  object FrameLabel: TLabel
    Left = 8
    Top = 8
    Width = 200
    Height = 16
    Caption = 'A frame with its own layout'
  end
  object FrameEdit: TEdit
    Left = 8
    Top = 32
    Width = 140
    Height = 24
    Text = 'Inside the frame'
  end
  object FrameButton: TButton
    Left = 8
    Top = 64
    Width = 100
    Height = 25
    Caption = 'Frame button'
    OnClick = FrameButtonClick
  end
end
