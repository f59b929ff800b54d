#include "ButtonFace.h"

#include <algorithm>

namespace forms {
namespace {

bool empty(const Box& box)
{
    return box.width <= 0 || box.height <= 0;
}

Box intersection(const Box& a, const Box& b)
{
    const int left = std::max(a.left, b.left);
    const int top = std::max(a.top, b.top);
    const int right = std::min(a.right(), b.right());
    const int bottom = std::min(a.bottom(), b.bottom());
    if (right <= left || bottom <= top)
        return {};
    return {left, top, right - left, bottom - top};
}

} // namespace

ButtonFace buttonFace(int width, int height, const ButtonContent& content, bool pressed,
                      int pictureSize, int padding)
{
    const int sink = pressed ? 1 : 0;
    ButtonFace face{};
    int captionLeft = padding + sink;
    if (content.picture) {
        const int left = content.pictureAlone ? (width - pictureSize) / 2 + sink : padding + sink;
        face.picture = {left, (height - pictureSize) / 2 + sink, pictureSize, pictureSize};
        captionLeft = left + pictureSize + padding;
    }
    if (content.caption && !content.pictureAlone)
        face.caption = {captionLeft, sink, width - padding + sink - captionLeft, height};
    return face;
}

Box centred(const Box& area, int width, int height)
{
    return {area.left + (area.width - width) / 2, area.top + (area.height - height) / 2, width,
            height};
}

Box focusFrame(const ButtonFace& face, int width, int height, const Box& text)
{
    Box frame{};
    if (!empty(face.caption))
        frame = {text.left - 1, text.top, text.width + 2, text.height};
    else if (!empty(face.picture))
        frame = face.picture;
    if (empty(frame))
        return {};
    return intersection(frame, {1, 1, width - 2, height - 2});
}

} // namespace forms
