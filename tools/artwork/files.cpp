#include "tools/artwork/artwork.h"

namespace vc::artwork {

std::vector<OutputFile> AllFiles() {
    return {
        {"btn_normal.bmp", EncodeBmp24(Button(ButtonState::kNormal))},
        {"btn_over.bmp", EncodeBmp24(Button(ButtonState::kOver))},
        {"btn_down.bmp", EncodeBmp24(Button(ButtonState::kDown))},
        {"frame_top.bmp", EncodeBmp24(FrameTop())},
        {"frame_bottom.bmp", EncodeBmp24(FrameBottom())},
        {"mainicon.ico", EncodeIco(IconImage())},
    };
}

}  // namespace vc::artwork
