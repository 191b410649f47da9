// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "weight/weightwindow.h"

#include "runtime/numbertext.h"
#include "runtime/runtime.h"
#include "runtime/textbox.h"
#include "weight/ui_weightwindow.h"

#include <QLocale>

#include <optional>
#include <string_view>
#include <utility>

namespace {

std::u16string_view view(const QString &text)
{
    return { reinterpret_cast<const char16_t *>(text.utf16()),
        static_cast<std::size_t>(text.size()) };
}

} // namespace

WeightWindow::WeightWindow(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::frmChange>())
{
    m_ui->setupUi(this);
    // Glyph widths rounded to whole pixels, as on the screens this window was drawn for, make
    // the prompt 198 px wide rather than 200, so that it ends clear of Text1 at 208. A .ui
    // file cannot hold a hinting preference.
    QFont prompt = m_ui->Label1->font();
    prompt.setHintingPreference(QFont::PreferFullHinting);
    m_ui->Label1->setFont(prompt);
    runtime::load(this);

    m_resultBoxes = { m_ui->Text2, m_ui->Text3, m_ui->Text4, m_ui->Text5, m_ui->Text6, m_ui->Text7,
        m_ui->Text8, m_ui->Text9 };

    connect(
        m_ui->Text1, &QLineEdit::textChanged, this, runtime::handler([this] { Text1_Change(); }));

    m_ui->Text1->setFocus();
}

WeightWindow::~WeightWindow() = default;

void WeightWindow::Text1_Change()
{
    const QString earthText = m_ui->Text1->text();
    // The user's decimal separator, read as well as the full stop and written in the results;
    // QLocale() is the system locale unless a test pins another.
    const QString decimalPoint = QLocale().decimalPoint();
    const double earth
        = runtime::textToNumber(view(earthText), view(decimalPoint), runtime::unicodeProperties());

    for (int step = 0; step < weight::bodyCount; ++step) {
        // A weight out of range reads as an infinity, which no body's weight can be.
        const std::optional<double> product = weight::convertWeight(earth, weight::factors[step]);
        if (!product) {
            // Results already shown stay; the boxes this weight cannot fill are emptied so
            // that none of them goes on showing a result of an earlier weight.
            for (int later = step; later < weight::bodyCount; ++later)
                m_resultBoxes[later]->setText(QString());
            // Said once when the weight becomes too large: a box on every key would take the
            // keys the user types to bring it back in range.
            if (!std::exchange(m_tooLarge, true)) {
                runtime::msgBox(QStringLiteral("This weight is too large to convert.\n"
                                               "Please enter a smaller weight."),
                    QString(), this);
            }
            return;
        }
        const std::u16string text = runtime::numberToText(*product, view(decimalPoint));
        m_resultBoxes[step]->setText(QString::fromStdU16String(text));
    }
    m_tooLarge = false;
}
