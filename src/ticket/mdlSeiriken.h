#pragma once

#include "ticket/TicketTexts.h"

#include <QImage>
#include <QString>

#include <cstdint>

class QColor;
class QLabel;

namespace base {
class Clock;
} // namespace base

namespace ticket {

// A cleared picture: `size` pixels of `background`, in the format the plug-ins draw on.
QImage BlankPreview(const QSize &size, const QColor &background);

// Step 3 of the fare display update: clears `picture`, and when the preview is in use has the
// plug-in draw the ticket of `stop` on it and shows the drawing. The time and, where the options
// say so, the date are read from `clock` once.
void RefreshPreview(QLabel *picture, const PreviewOptions &options, const PreviewStop &stop,
                    const base::Clock &clock);

// Empties the picture: its whole face shows the background colour.
void ClearPreview(QLabel *picture);

// What the picture shows, as an image of its drawing area.
QImage PreviewImage(const QLabel *picture);

// The preview's drawing area, inside its border.
QSize CanvasSize(const QLabel *picture);

} // namespace ticket
