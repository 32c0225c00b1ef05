#pragma once

#include "platform/core/application_title.h"

class QWidget;

// The program's main window, whose font the other windows take over when they open.

// The main window registers itself once it exists; the registration ends when it is destroyed.
void RegisterMainWindow(QWidget *window);
QWidget *MainWindow();

// Gives the target the registered main window's font; without a main window nothing changes.
void AssignMainFont(QWidget *target);

// Lets pending window events run, so that windows repaint and buttons answer during a long loop.
void ProcessMessages();
