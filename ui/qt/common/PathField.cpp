#include "PathField.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <limits>

namespace {

// The path of the first dropped item when it is a local file or folder, else the empty text.
QString droppedPath(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().isEmpty())
        return {};
    const QUrl url = data->urls().constFirst();
    return url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : QString();
}

} // namespace

PathField::PathField(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
}

void PathField::dragEnterEvent(QDragEnterEvent* event)
{
    if (droppedPath(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void PathField::dragMoveEvent(QDragMoveEvent* event)
{
    if (droppedPath(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void PathField::dropEvent(QDropEvent* event)
{
    const QString path = droppedPath(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit fileDropped(path);
}
