#pragma once
// The main window as the benchmarks measure it: on its own surface, with the
// program's folder in a temporary folder and a scripted 1920 by 1080 screen.
// Made after the QApplication, on the offscreen platform.

#include "ui/doubles/scripteddialogs.h"
#include "windows/mainwindow.h"

#include <QApplication>
#include <QTemporaryDir>

struct BenchWindow {
    QTemporaryDir folder;
    ui::ScriptedDialogs dialogs;
    windows::MainWindow form{{&dialogs, folder.path().toStdString(), nullptr}};

    // Loads and shows the window; false when it does not load.
    bool start()
    {
        if (!form.load())
            return false;
        form.show();
        QApplication::processEvents();
        return true;
    }
};
