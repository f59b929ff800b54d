#include "PathField.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <limits>

namespace {

// The dropped items' addresses when the first is a local file or folder, else none.
QStringList droppedAddresses(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().isEmpty() ||
        !data->urls().constFirst().isLocalFile())
        return {};
    QStringList addresses;
    for (const QUrl& url : data->urls())
        addresses << QString::fromLatin1(url.toEncoded());
    return addresses;
}

} // namespace

PathField::PathField(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
}

void PathField::dragEnterEvent(QDragEnterEvent* event)
{
    if (droppedAddresses(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void PathField::dragMoveEvent(QDragMoveEvent* event)
{
    if (droppedAddresses(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void PathField::dropEvent(QDropEvent* event)
{
    const QStringList addresses = droppedAddresses(event->mimeData());
    if (addresses.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit filesDropped(addresses);
}
