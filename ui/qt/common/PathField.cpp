#include "PathField.h"

#include "LocalFile.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <limits>

namespace {

// The first dropped item when it is a local file or folder, else the empty URL.
QUrl droppedUrl(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().isEmpty())
        return {};
    const QUrl url = data->urls().constFirst();
    return LocalFile::path(url).isEmpty() ? QUrl() : url;
}

} // namespace

PathField::PathField(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
}

void PathField::dragEnterEvent(QDragEnterEvent* event)
{
    if (droppedUrl(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void PathField::dragMoveEvent(QDragMoveEvent* event)
{
    if (droppedUrl(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void PathField::dropEvent(QDropEvent* event)
{
    const QUrl url = droppedUrl(event->mimeData());
    if (url.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    const QString path = QDir::toNativeSeparators(LocalFile::path(url));
    if (LocalFile::isMisread(url))
        emit refused(LocalFile::misreadMessage(path));
    else
        emit fileDropped(path);
}
