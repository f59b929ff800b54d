#pragma once

#include "forms/Dialogs.h"
#include "forms/MainForm.h"
#include "forms/MainView.h"
#include "ui/qt/about/frnAbout.h"
#include "ui/qt/common/FormBuilder.h"

#include <QPointer>
#include <QWidget>

// Only referred to here: a change to the host recompiles no window.
namespace job {
class ScriptHost;
} // namespace job

class QLineEdit;

// The main window: the source file, the target folder, the format, and the buttons that
// convert, explain and close. What the buttons do is the form's; the window shows it.
class frmAutoPilot : public QWidget, public forms::MainView {
    Q_OBJECT
public:
    frmAutoPilot(job::ScriptHost& host, forms::Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmAutoPilot() override;

    // Shows the window, then takes the files the program was started with.
    void showWith(const std::vector<forms::StartFile::Given>& files);

    // The About window while it is open.
    frnAbout* aboutWindow() const { return about_; }

    std::u16string text(forms::Field field) const override;
    void setText(forms::Field field, const std::u16string& text) override;
    bool isSelected(int index) const override;
    void showAbout() override;
    void closeAbout() override;
    void close() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLineEdit* field(forms::Field field) const;

    forms::Dialogs& dialogs_;
    forms::MainForm form_;
    FormBuilder controls_;
    QPointer<frnAbout> about_;
};
