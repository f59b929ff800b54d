#pragma once

#include <QLineEdit>

// A one-line field for a path: paths have no length limit, and a local file dropped on it
// gives its path, while anything else dropped is ignored. A name that Qt cannot read as it is
// is refused with a message.
class PathField : public QLineEdit {
    Q_OBJECT
public:
    explicit PathField(QWidget* parent = nullptr);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
