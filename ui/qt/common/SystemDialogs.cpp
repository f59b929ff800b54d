#include "SystemDialogs.h"

#include "FolderDialog.h"
#include "OpenDialog.h"
#include "forms/CommonDialog.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>
#include <QWidget>

namespace {

QWidget* window(forms::View* owner)
{
    return dynamic_cast<QWidget*>(owner);
}

} // namespace

void SystemDialogs::showMessage(forms::View* owner, const std::u16string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Varnelo"), QString::fromStdU16String(text),
                    QMessageBox::Ok, window(owner));
    box.exec();
}

bool SystemDialogs::showOpen(forms::View* owner, forms::CommonDialog& dlg)
{
    QString refusal;
    const bool chosen =
        OpenDialog::take(OpenDialog::ask(window(owner), dlg), dlg.FileName, refusal);
    if (!refusal.isEmpty())
        showMessage(owner, refusal.toStdU16String());
    return chosen;
}

std::u16string SystemDialogs::BrowseForFolder(forms::View* owner, const std::u16string& prompt)
{
    QString refusal;
    auto chosen = FolderDialog::folder(
        FolderDialog::ask(window(owner), QString::fromStdU16String(prompt)), refusal);
    if (!refusal.isEmpty())
        showMessage(owner, refusal.toStdU16String());
    return chosen.value_or(std::u16string());
}

void SystemDialogs::openUrl(const std::u16string& address)
{
    QDesktopServices::openUrl(QUrl(QString::fromStdU16String(address)));
}

std::u16string SystemDialogs::systemText(const std::string& text)
{
    return QString::fromLocal8Bit(text).toStdU16String();
}
