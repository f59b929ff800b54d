#pragma once

#include <QLineEdit>
#include <QStringList>

// A one-line field for a path: paths have no length limit, and local files dropped on it are
// handed on as their addresses, for the form to read by the rule the start's files follow,
// while anything else dropped is ignored.
class PathField : public QLineEdit {
    Q_OBJECT
public:
    explicit PathField(QWidget* parent = nullptr);

signals:
    // The dropped files' addresses, escaped as the drop gave them.
    void filesDropped(const QStringList& addresses);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
