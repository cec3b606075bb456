#pragma once
#include <QString>
#include <QStringList>
#include <functional>

#include "files/AviHeader.h"

class EditorModel;

// The frame rates the editor's cbFps and both lists of the conversion
// window offer, in this order.
const QStringList &standardFpsList();

// The conversion window's second list for a rate chosen in the first: the
// standard list without it.
QStringList fpsTargets(const QString &from);

// "Végrehajt": rescales every start and end from one frame rate to the
// other, keeping the time base, then tells so (unless announce is off).
// Refused (false, nothing changed, no message) when either rate is not a
// positive number. progress, when given, gets the conversion window's
// gauge value as the rows are done.
bool convertFps(EditorModel &model, const QString &from, const QString &to,
                const std::function<void(int)> &progress = {}, bool announce = true);
// "Az átváltás megtörtént!"
void announceFpsConversion();

// The film's frame rate, in the FPS box's text form; set by a successful
// read of an AVI file's rate.
extern QString filmFrameRate;

// What the FPS box does with the rate of an AVI file.
struct AviFpsChoice {
    enum Kind { Select, Unchanged, NoMatch } kind = NoMatch;
    QString text;        // the item to show (Select)
    bool append = false; // the item is new to the box's list
};
// rate / scale written in the general number format, then matched against
// the box's items (see the window's "FPS kinyerése").
AviFpsChoice matchAviRate(quint32 scale, quint32 rate, const QStringList &items);

// "FPS kinyerése" on a file: reads it through the AVI library, brings the
// FPS box (its items and current text) up to date and shows the failure
// messages. Returns true when the window closes (a rate was taken).
bool extractAviFps(const QString &path, QStringList &items, QString &current);
