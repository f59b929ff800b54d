#include "Picture.h"

#include "Resources.h"

#include <shlwapi.h>

namespace ui::win32 {

Picture::Picture(std::string_view name)
{
    const auto bytes = Resources::file(name);
    if (bytes.empty())
        return;
    IStream* stream = SHCreateMemStream(reinterpret_cast<const BYTE*>(bytes.data()),
                                        static_cast<UINT>(bytes.size()));
    if (!stream)
        return;
    IPicture* picture = nullptr;
    if (SUCCEEDED(OleLoadPicture(stream, static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                                 reinterpret_cast<void**>(&picture))))
        picture_.reset(picture);
    stream->Release();
}

void Picture::draw(HDC dc, const RECT& box) const
{
    if (!picture_)
        return;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture_->get_Width(&width);
    picture_->get_Height(&height);
    // Shrinking a picture to a third of its size drops most of its pixels unless they are
    // averaged.
    const int oldMode = SetStretchBltMode(dc, HALFTONE);
    POINT oldOrigin{};
    SetBrushOrgEx(dc, 0, 0, &oldOrigin);
    // The picture's rows run bottom-up in HIMETRIC units.
    picture_->Render(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, 0, height,
                     width, -height, nullptr);
    SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
    SetStretchBltMode(dc, oldMode);
}

} // namespace ui::win32
