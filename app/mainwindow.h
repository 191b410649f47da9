// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include "catalogue/catalogue.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QLineEdit;

namespace runtime {
class PictureBox;
}

namespace Ui {
class MAIN;
}

// The main window MAIN: nine planet pictures, the planet's name and discovery lines and
// 22 read-only fact boxes. A click on a picture shows that planet; the window keeps no
// other state, and its menu commands live with the runtime's form objects.
//
// In its description, mainwindow.ui, each fact box's caption label is the box's buddy, so
// assistive technology names the box after its caption. The pictures are named after their
// planets from the catalogue when the window is built, and Ctrl+1 to Ctrl+9 click them in
// reading order; their tooltips name the planet and its key.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Writes record r of the catalogue into the name label, the two discovery labels and
    // the 22 fact boxes, in that order.
    void showPlanet(int record);

public slots:
    void img1_Click();
    void img2_Click();
    void img3_Click();
    void img44_Click();
    void img5_Click();
    void img6_Click();
    void img7_Click();
    void img8_Click();
    void img9_Click();

private:
    // A fact box's context menu: the line edit's own, and "Compare All Planets".
    void showFactMenu(QLineEdit *box, int fact, const QPoint &at);

    std::unique_ptr<Ui::MAIN> m_ui;
    std::array<QLineEdit *, catalogue::factCount> m_factBoxes {};
    // The pictures in the order of the catalogue's records, img1 to img9 with img44 fourth.
    std::array<runtime::PictureBox *, catalogue::planetCount> m_pictures {};
};
