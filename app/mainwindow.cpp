// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "app/mainwindow.h"

#include "app/menucommands.h"
#include "app/ui_mainwindow.h"
#include "catalogue/catalogue.h"
#include "runtime/picturebox.h"
#include "runtime/runtime.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>

#include <algorithm>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::MAIN>())
{
    m_ui->setupUi(this);
    runtime::load(this);

    m_factBoxes = { m_ui->txt1, m_ui->txt2, m_ui->txt3, m_ui->txt4, m_ui->txt5, m_ui->txt6,
        m_ui->txt7, m_ui->txt8, m_ui->txt9, m_ui->txt10, m_ui->txt11, m_ui->txt12, m_ui->txt13,
        m_ui->txt14, m_ui->txt15, m_ui->txt16, m_ui->txt17, m_ui->txt18, m_ui->txt19, m_ui->txt20,
        m_ui->txt21, m_ui->txt22 };

    // The pictures in the order of the catalogue's records; the fourth is named img44, and
    // there is no img4.
    m_pictures = { m_ui->img1, m_ui->img2, m_ui->img3, m_ui->img44, m_ui->img5, m_ui->img6,
        m_ui->img7, m_ui->img8, m_ui->img9 };
    const std::array<void (MainWindow::*)(), catalogue::planetCount> clickHandlers
        = { &MainWindow::img1_Click, &MainWindow::img2_Click, &MainWindow::img3_Click,
              &MainWindow::img44_Click, &MainWindow::img5_Click, &MainWindow::img6_Click,
              &MainWindow::img7_Click, &MainWindow::img8_Click, &MainWindow::img9_Click };
    for (int i = 0; i < catalogue::planetCount; ++i) {
        const QString planet = catalogue::planet(i + 1).name.toString();
        m_pictures[i]->setAccessibleName(planet);
        connect(m_pictures[i], &runtime::PictureBox::clicked, this,
            runtime::handler([this, click = clickHandlers[i]] { (this->*click)(); }));

        // Ctrl+1 to Ctrl+9 choose the pictures in reading order from the keyboard. The key
        // clicks its picture, so it runs exactly what the mouse runs, and the focus stays put.
        const QKeySequence key(QKeyCombination(Qt::ControlModifier, Qt::Key(Qt::Key_1 + i)));
        const QString hint
            = QStringLiteral("%1 (%2)").arg(planet, key.toString(QKeySequence::NativeText));
        m_pictures[i]->setToolTip(hint);
        m_pictures[i]->setAccessibleDescription(hint);
        auto *shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, m_pictures[i], &runtime::PictureBox::click);
    }

    // Every fact box's context menu, beside Qt's own entries, and Ctrl+T compare its fact
    // across the planets; Ctrl+T compares fact 1 when no box has the focus.
    for (int fact = 1; fact <= catalogue::factCount; ++fact) {
        QLineEdit *box = m_factBoxes[fact - 1];
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(
            box, &QWidget::customContextMenuRequested, this, [this, box, fact](const QPoint &at) {
                runtime::invoke([&] { showFactMenu(box, fact, at); });
            });
    }
    auto *compare = new QShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_T), this);
    connect(compare, &QShortcut::activated, this, runtime::handler([this] {
        const auto focused = std::find(m_factBoxes.cbegin(), m_factBoxes.cend(), focusWidget());
        compareAllPlanets(
            focused == m_factBoxes.cend() ? 1 : int(focused - m_factBoxes.cbegin()) + 1);
    }));

    connect(m_ui->exit, &QAction::triggered, this, runtime::handler(&exit_Click));
    connect(m_ui->change, &QAction::triggered, this, runtime::handler(&change_Click));
    connect(m_ui->us, &QAction::triggered, this, runtime::handler(&us_Click));

    m_ui->txt1->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::showPlanet(int record)
{
    const catalogue::Planet &planet = catalogue::planet(record);
    runtime::setCaption(m_ui->lblName, planet.name.toString());
    runtime::setCaption(m_ui->dis, planet.discoverer.toString());
    runtime::setCaption(m_ui->dat, planet.discoveryDate.toString());
    for (int fact = 0; fact < catalogue::factCount; ++fact)
        m_factBoxes[fact]->setText(planet.facts[fact].toString());
    // The name changes on a label away from the focus, which a screen reader would not speak.
    runtime::announce(this, planet.name.toString());
}

void MainWindow::showFactMenu(QLineEdit *box, int fact, const QPoint &at)
{
    QMenu *menu = box->createStandardContextMenu();
    menu->addSeparator();
    QAction *compare = menu->addAction(QStringLiteral("Compare All Planets"));
    compare->setObjectName(QStringLiteral("compareAllPlanets"));
    // Shown beside the entry, as the menu bar's items show theirs.
    compare->setShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_T));
    connect(
        compare, &QAction::triggered, this, runtime::handler([fact] { compareAllPlanets(fact); }));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(box->mapToGlobal(at));
}

void MainWindow::img1_Click()
{
    showPlanet(1);
}
void MainWindow::img2_Click()
{
    showPlanet(2);
}
void MainWindow::img3_Click()
{
    showPlanet(3);
}
void MainWindow::img44_Click()
{
    showPlanet(4);
}
void MainWindow::img5_Click()
{
    showPlanet(5);
}
void MainWindow::img6_Click()
{
    showPlanet(6);
}
void MainWindow::img7_Click()
{
    showPlanet(7);
}
void MainWindow::img8_Click()
{
    showPlanet(8);
}
void MainWindow::img9_Click()
{
    showPlanet(9);
}
