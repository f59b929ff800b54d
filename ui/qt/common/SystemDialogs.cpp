#include "Dialogs.h"

#include "FolderDialog.h"
#include "OpenDialog.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

void SystemDialogs::showMessage(QWidget* owner, const std::u16string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Varnelo"), QString::fromStdU16String(text),
                    QMessageBox::Ok, owner);
    box.exec();
}

bool SystemDialogs::showOpen(QWidget* owner, forms::CommonDialog& dlg)
{
    QString refusal;
    const bool chosen = OpenDialog::take(OpenDialog::ask(owner, dlg), dlg, refusal);
    if (!refusal.isEmpty())
        showMessage(owner, refusal.toStdU16String());
    return chosen;
}

std::optional<std::u16string> SystemDialogs::browseForFolder(QWidget* owner,
                                                             const std::u16string& prompt)
{
    QString refusal;
    auto chosen =
        FolderDialog::folder(FolderDialog::ask(owner, QString::fromStdU16String(prompt)), refusal);
    if (!refusal.isEmpty())
        showMessage(owner, refusal.toStdU16String());
    return chosen;
}

void SystemDialogs::openUrl(const std::u16string& address)
{
    QDesktopServices::openUrl(QUrl(QString::fromStdU16String(address)));
}
