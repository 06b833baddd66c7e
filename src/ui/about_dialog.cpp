#include "ui/about_dialog.h"

#include "appdata/version.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace ui {

QDialog* openAboutDialog(QWidget* parent)
{
    auto* dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("AboutDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QCoreApplication::translate("ui::AboutDialog", "Orbweave について"));
    auto* text = new QLabel(dialog);
    text->setObjectName(QStringLiteral("aboutText"));
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setOpenExternalLinks(true);
    text->setTextInteractionFlags(Qt::TextBrowserInteraction);
    text->setText(
        QStringLiteral("<h3>Orbweave %1</h3>").arg(QLatin1String(appdata::kVersion)) +
        QCoreApplication::translate("ui::AboutDialog", "<p>恒星データから、天球儀に組み立てる実寸の型紙（舟形と極板、多面体の面）を描きます。</p>") +
        QCoreApplication::translate("ui::AboutDialog", "<p>このプログラムはフリーソフトウェアです。GNU 一般公衆利用許諾書 第 3 版、またはそれ以降の版"
           "（GPL-3.0-or-later）のもとで再配布・改変できます。無保証です。</p>") +
        QCoreApplication::translate("ui::AboutDialog", "<p><b>データ</b><br>恒星: The Bright Star Catalogue 第 5 改訂版, Hoffleit &amp; Warren, Yale University Observatory, 1991（パブリックドメイン）。<br>"
           "星座線・星座名・星座の境界・恒星名: d3-celestial 0.7.35, Olaf Frohn（BSD-3-Clause）。"
           "星座の境界は Davenhall &amp; Leggett による IAU の境界、日本語の恒星名は Stellarium の翻訳"
           "（GPL-2.0-or-later）から。<br>多面体モデル: このプログラムのもの（GPL-3.0-or-later）。</p>") +
        QStringLiteral("<p>Qt %1</p>").arg(QLatin1String(qVersion())));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog->setMinimumWidth(dialog->fontMetrics().averageCharWidth() * 60);
    dialog->show();
    return dialog;
}

} // namespace ui
