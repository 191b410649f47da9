// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "app/menucommands.h"

#include "about/aboutwindow.h"
#include "about/author.h"
#include "runtime/runtime.h"
#include "weight/weightwindow.h"

runtime::Form<WeightWindow> frmChange;
runtime::Form<AboutWindow> frmAbout;

namespace {

// Shows a secondary window beside the main window: modeless and without an owner, so that
// every window accepts input and each outlives the main window. A window the user has
// closed is built again in its initial state.
template <typename Window> void showForm(runtime::Form<Window> &form, const char *operation)
{
    if (!form.isCreated())
        form.create();
    runtime::check(form.show(), operation);
}

} // namespace

void exit_Click()
{
    // The answer does not matter: however the box is dismissed, the program ends.
    const QString goodbye
        = QStringLiteral("Thank You For Your Visit. Contact Me About My Mistake. ")
        + author::email.toString();
    runtime::msgBox(goodbye, runtime::okOnly);
    runtime::end();
}

void change_Click()
{
    showForm(frmChange, "frmChange.Show");
}

void us_Click()
{
    showForm(frmAbout, "frmAbout.Show");
}
