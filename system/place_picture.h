// A picture of names as the game draws them, for showing them off: the glyphs of a place of the
// game drawn from the charset's cells, each multiplied by its colour and blended by its alpha
// over what lies below, the black shadow first, as the In game window draws them. Plain C++, so
// that the window, the command line and the page make the very same pixels.
#pragma once

#include <string>

#include "core/game_places.h"
#include "system/charset_picture.h"

namespace chromlet {

/// The scales a picture is drawn at: pixels per unit of the game's screen.
inline constexpr int PictureScales[] = {1, 2, 4};

struct PictureLook {
    int scale = 1;             ///< 1, 2 or 4; anything else is taken as the nearest of them
    bool transparent = false;  ///< else the ground is ScreenGround
    /// A line under the picture in small grey characters (UTF-8; letters outside ASCII are
    /// written as ASCII, ae for ä); empty for none.
    std::string footnote;
};

/// Draws what `view` draws within `frame` of the game's screen (FrameOf), from `charset`, a
/// picture of 16 x 16 cells. Where a cell is drawn larger than the charset holds it, each pixel
/// takes the charset's pixel it falls on, nearest, so that the edges stay hard; where smaller,
/// the mean of the pixels it covers, so that no stroke is lost. An empty picture when the charset
/// is smaller than 16 x 16 pixels.
Picture DrawPicture(const PlaceView& view, const ScreenRect& frame, const Picture& charset,
                    const PictureLook& look);

}  // namespace chromlet
