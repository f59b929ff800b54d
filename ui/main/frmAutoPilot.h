#pragma once

#include "CommonDialog.h"
#include "platform/Platform.h"
#include "ui/about/frnAbout.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace SMButton {
class Button;
}

// The main window: the source file, the target folder, the format, and the buttons that
// convert, explain and close.
class frmAutoPilot : public QWidget {
    Q_OBJECT
public:
    explicit frmAutoPilot(platform::Platform& platform, QWidget* parent = nullptr);
    ~frmAutoPilot() override;

    // The folder the user picks, or the empty text when the pick was cancelled or failed.
    QString BrowseForFolder(std::uintptr_t lngHwnd, const QString& strPrompt);

    // Starts the conversion script written last ("Convert it now!", and the end of "GO").
    void Button4_Click();

    // Puts a video in the source field, as "Add" does: the file the program was started with.
    void setSourceText(const QString& text);

    // The About window while it is open.
    frnAbout* aboutWindow() const { return about_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Button38_Click();
    void Button2_Click();
    void Button3_Click();
    void Button7_Click();
    void Button10_Click();
    void Button6_Click();
    void Form_Unload();
    void loadArtwork();

    void showMessage(const std::u16string& text);

    platform::Platform& platform_;
    QPointer<frnAbout> about_;

    QFrame* Line1;
    QLabel* Label1;
    QLineEdit* Text1;
    SMButton::Button* Button38;
    SMButton::Button* Button2;
    QLabel* Label2;
    QLineEdit* txtPath;
    SMButton::Button* Button3;
    QLabel* Image6;
    QLabel* Image7;
    SMButton::Button* Button6;
    SMButton::Button* Button10;
    QGroupBox* Frame1;
    std::array<QRadioButton*, 4> Option1;
    SMButton::Button* Button7;
    QFrame* Line2;
    SMButton::Button* Button4;
    CommonDialog dlg;
};
