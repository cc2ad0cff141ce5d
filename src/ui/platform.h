// The modal dialogs and the printer, behind one interface so that the script
// runner can answer them.
#pragma once

#include "printing.h"

#include "solver/failure.h"

#include <QString>

class QWidget;

namespace ui {

class Platform {
public:
    static inline const QString kTitle = QStringLiteral("CORPIMETRO");

    virtual ~Platform() = default;
    // Modal prompt titled CORPIMETRO, empty entry field, OK / Annulla.
    // Annulla gives the empty text. `unit` ("cm²", "°"), when not empty,
    // stands right of the entry field: what the value is measured in.
    virtual QString prompt(QWidget *parent, const QString &text, const QString &unit) = 0;
    // Modal message titled CORPIMETRO, one OK button, no icon.
    virtual void message(QWidget *parent, const QString &text) = 0;
    // A step of a calculation that could not be computed.
    virtual void failure(QWidget *parent, const QString &text, solver::Failure kind) = 0;
    // Prints the image of a screen's window.
    virtual void print(QWidget *window, const QString &screen) = 0;
    // A document of several pages made by a screen: shown in a preview
    // (`preview`), or printed.
    virtual void printPages(QWidget *parent, const QString &screen, const Pages &pages,
                            bool preview) = 0;
};

// The platform in use (the real dialogs and printer unless replaced).
Platform &platform();
void setPlatform(Platform *platform);

// The real dialogs and printer.
class QtPlatform : public Platform {
public:
    QString prompt(QWidget *parent, const QString &text, const QString &unit) override;
    void message(QWidget *parent, const QString &text) override;
    void failure(QWidget *parent, const QString &text, solver::Failure kind) override;
    void print(QWidget *window, const QString &screen) override;
    void printPages(QWidget *parent, const QString &screen, const Pages &pages,
                    bool preview) override;
};

// A modal message titled CORPIMETRO, one OK button, no icon.
void plainMessage(QWidget *parent, const QString &text);

} // namespace ui
