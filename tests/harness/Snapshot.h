// Reviewed snapshots of what the user sees: a window's visible state as
// text and pictures as PNG, kept under tests/data/snapshots and compared on
// every run. A mismatch fails and leaves what the run saw in the build
// folder (snapshots-actual/); TARNWICK_UPDATE_SNAPSHOTS=1 rewrites the
// reviewed files instead, so an intended change shows up as a diff to
// review like code.
#pragma once

#include <QImage>
#include <QString>
#include <QTest>

namespace harness {

// Everything a window shows, in words: title, frame, sizes, menus as they
// are about to show, and each control's place, text as displayed, font,
// colour and state.
QString Describe(QWidget* window);

// An empty string when `actual` is the reviewed snapshot `name` (a path
// under tests/data/snapshots); otherwise why not.
QString CompareSnapshot(const QString& name, const QString& actual);
QString CompareSnapshot(const QString& name, const QImage& actual);

}  // namespace harness

#define VERIFY_SNAPSHOT(name, actual)                                    \
    do {                                                                 \
        const QString why_ = harness::CompareSnapshot((name), (actual)); \
        QVERIFY2(why_.isEmpty(), qPrintable(why_));                      \
    } while (false)
