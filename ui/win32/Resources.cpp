#include "Resources.h"

namespace ui::win32::Resources {

std::wstring name(std::string_view picture)
{
    return std::wstring(picture.begin(), picture.end());
}

HICON icon(std::string_view picture, int size)
{
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), name(picture).c_str(),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

} // namespace ui::win32::Resources
