// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "app/mainwindow.h"

#include "app/menucommands.h"
#include "catalogue/catalogue.h"
#include "runtime/runtime.h"

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    m_ui.setupUi(this);
    runtime::load(this);

    m_factBoxes = { m_ui.txt1,  m_ui.txt2,  m_ui.txt3,  m_ui.txt4,  m_ui.txt5,  m_ui.txt6,
                    m_ui.txt7,  m_ui.txt8,  m_ui.txt9,  m_ui.txt10, m_ui.txt11, m_ui.txt12,
                    m_ui.txt13, m_ui.txt14, m_ui.txt15, m_ui.txt16, m_ui.txt17, m_ui.txt18,
                    m_ui.txt19, m_ui.txt20, m_ui.txt21, m_ui.txt22 };

    // The fourth picture is named img44; there is no img4.
    connect(m_ui.img1, &runtime::PictureBox::clicked, this, runtime::handler([this] { img1_Click(); }));
    connect(m_ui.img2, &runtime::PictureBox::clicked, this, runtime::handler([this] { img2_Click(); }));
    connect(m_ui.img3, &runtime::PictureBox::clicked, this, runtime::handler([this] { img3_Click(); }));
    connect(m_ui.img44, &runtime::PictureBox::clicked, this, runtime::handler([this] { img44_Click(); }));
    connect(m_ui.img5, &runtime::PictureBox::clicked, this, runtime::handler([this] { img5_Click(); }));
    connect(m_ui.img6, &runtime::PictureBox::clicked, this, runtime::handler([this] { img6_Click(); }));
    connect(m_ui.img7, &runtime::PictureBox::clicked, this, runtime::handler([this] { img7_Click(); }));
    connect(m_ui.img8, &runtime::PictureBox::clicked, this, runtime::handler([this] { img8_Click(); }));
    connect(m_ui.img9, &runtime::PictureBox::clicked, this, runtime::handler([this] { img9_Click(); }));

    connect(m_ui.exit, &QAction::triggered, this, runtime::handler(&exit_Click));
    connect(m_ui.change, &QAction::triggered, this, runtime::handler(&change_Click));
    connect(m_ui.us, &QAction::triggered, this, runtime::handler(&us_Click));

    m_ui.txt1->setFocus();
}

void MainWindow::showPlanet(int record)
{
    const catalogue::Planet &planet = catalogue::planet(record);
    runtime::check(runtime::setCaption(m_ui.lblName, planet.name.toString()), "lblName.Caption");
    runtime::check(runtime::setCaption(m_ui.dis, planet.discoverer.toString()), "dis.Caption");
    runtime::check(runtime::setCaption(m_ui.dat, planet.discoveryDate.toString()), "dat.Caption");
    for (int fact = 0; fact < catalogue::factCount; ++fact) {
        runtime::check(runtime::setText(m_factBoxes[fact], planet.facts[fact].toString()),
                       "txt.Text");
    }
}

void MainWindow::img1_Click() { showPlanet(1); }
void MainWindow::img2_Click() { showPlanet(2); }
void MainWindow::img3_Click() { showPlanet(3); }
void MainWindow::img44_Click() { showPlanet(4); }
void MainWindow::img5_Click() { showPlanet(5); }
void MainWindow::img6_Click() { showPlanet(6); }
void MainWindow::img7_Click() { showPlanet(7); }
void MainWindow::img8_Click() { showPlanet(8); }
void MainWindow::img9_Click() { showPlanet(9); }
