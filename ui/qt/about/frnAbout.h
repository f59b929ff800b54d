#pragma once

#include "forms/AboutForm.h"
#include "forms/Dialogs.h"
#include "ui/qt/common/FormBuilder.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <string_view>

// The About window: a picture, the credit to FFmpeg, and links to the maker's page and to
// FFmpeg's. It deletes itself when closed.
class frnAbout : public QWidget, public forms::View {
    Q_OBJECT
public:
    explicit frnAbout(forms::Dialogs& dialogs);

    void close() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    forms::Dialogs& dialogs_;
    forms::AboutForm form_;
    FormBuilder controls_;
    // The controls that take clicks, and their names in the design.
    QHash<const QObject*, std::string_view> links_;
    // The link the mouse was pressed on: a click is a press and a release on the same one.
    QPointer<QObject> pressed_;
};
