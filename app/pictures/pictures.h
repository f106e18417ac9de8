#pragma once
// The pictures built into the program file as resources (program.rc). Hand one to the skin as bytes.
#include <string>

enum class Picture {
    BuiltInSkin,  // JPEG, 900 x 420, 57344 bytes: the main window applies it at every start
    SkinButton,   // PNG with alpha, 26 x 18: the extra caption button 换皮肤
    SkinMarker,   // PNG with alpha, 22 x 22: the current-skin marker of the skin settings window
};

// The navigation bar's pictures, PNG with alpha, 128 x 128 (the third 256 x 256), in the bar's order:
// 宝宝取名, 姓名评测, 自选列表, 组合模式, 诗词模式, 取英文名, 取小名, 生辰八字.
inline constexpr int kNavBarPictureCount = 8;

// The picture's bytes; empty when the program file lacks it (a target built without program.rc).
std::string PictureBytes(Picture picture);
// The navigation bar's picture number index (0 to kNavBarPictureCount - 1); empty out of range.
std::string NavBarPictureBytes(int index);
