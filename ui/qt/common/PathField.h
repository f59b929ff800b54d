#pragma once

#include <QLineEdit>

// A one-line field for a path: paths have no length limit, and a local file dropped on it is
// handed on with its path, while anything else dropped is ignored. A name that Qt cannot read
// as it is is refused with a message.
class PathField : public QLineEdit {
    Q_OBJECT
public:
    explicit PathField(QWidget* parent = nullptr);

signals:
    void fileDropped(const QString& path);
    // The message that says why a dropped file was refused.
    void refused(const QString& message);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
