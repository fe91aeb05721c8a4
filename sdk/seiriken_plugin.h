/* SPDX-License-Identifier: GPL-3.0-or-later */
/*
 * seiriken_plugin.h - the interface of a numbered-ticket (整理券) plug-in of the Harune fare
 * display simulator.
 *
 * A plug-in is a shared library whose file name ends in ".4SP". It exports the five C functions
 * declared below. The simulator loads it by file name and calls, in this order:
 *
 *   Seiriken_InterfaceVersion   must return SEIRIKEN_INTERFACE_VERSION, or nothing else is called
 *   Seiriken_GetPlgInfo         fills the capability record
 *   Seiriken_GetComment         hands over the remarks text
 *   Seiriken_GetCorpNames       hands over the company names (only when CorpCount >= 1)
 *   Seiriken_Draw               draws the ticket into a pixel canvas
 *
 * Every string crossing the interface is zero-terminated text in code page 932 (Shift-JIS as
 * Windows extends it), passed as it is: the simulator neither converts nor changes it.
 *
 * All calls arrive on the simulator's one user-interface thread. See README.md beside this file
 * in the sources (installed as share/doc/harune/sdk/README.md).
 */
#ifndef SEIRIKEN_PLUGIN_H
#define SEIRIKEN_PLUGIN_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The version of this interface. A plug-in reporting any other number is refused. */
#define SEIRIKEN_INTERFACE_VERSION 1

#if defined(_WIN32)
#define SEIRIKEN_EXPORT __declspec(dllexport)
#else
#define SEIRIKEN_EXPORT __attribute__((visibility("default")))
#endif

/*
 * The plug-in's capabilities: fourteen signed 32-bit fields, 56 bytes, in this order.
 * The simulator zero-fills the record before each query. A flag counts as set only when it is
 * exactly 1.
 */
typedef struct SeirikenPlgInfo {
    int32_t InfoHead;     /* not read by the simulator; 0 when handed over */
    int32_t PrevWidth;    /* width of the preview picture, in twips (15 twips = 1 pixel) */
    int32_t PrevHeight;   /* height of the preview picture, in twips */
    int32_t CanDate;      /* 1: the ticket carries the date */
    int32_t CanTime;      /* 1: the ticket carries the time */
    int32_t CanRouteNo;   /* 1: the ticket carries the route number */
    int32_t CanStopName;  /* 1: the ticket carries the stop name */
    int32_t CanBarcode;   /* 1: the ticket carries a barcode */
    int32_t BarcodeCount; /* number of barcodes */
    int32_t MaxRouteNo;   /* routes 1 to this value can be set */
    int32_t BarcodeMode;  /* 1: routes are numbered serially; other: route number + round-trip flag */
    int32_t StopFrom;     /* first stop number the plug-in recognises */
    int32_t StopTo;       /* last stop number the plug-in recognises */
    int32_t CorpCount;    /* 1 or more: the plug-in offers company names to switch between */
} SeirikenPlgInfo;

/*
 * The surface a ticket is drawn on. Pixel (x, y) is the 32-bit value at
 * (uint8_t *)pixels + y * stride + x * 4, stored as 0xAARRGGBB in the machine's byte order
 * (the layout of QImage::Format_RGB32). The picture is opaque: write 0xFF in the top byte; the
 * simulator ignores it. The canvas arrives cleared to the preview's background colour.
 *
 * Write nothing outside 0 <= x < width, 0 <= y < height: the bytes between the end of one row
 * and the start of the next (stride > width * 4) are not the plug-in's.
 */
typedef struct SeirikenCanvas {
    int32_t width;    /* pixels */
    int32_t height;   /* pixels */
    int32_t stride;   /* bytes from the start of one row to the start of the next */
    uint32_t *pixels; /* row 0 first */
} SeirikenCanvas;

/*
 * Receives text from the plug-in. `text` is zero-terminated CP932 and needs to live only until
 * the call returns: the simulator copies it. `context` is the value the simulator passed in.
 */
typedef void (*SeirikenTextSink)(void *context, const char *text);

/* Returns SEIRIKEN_INTERFACE_VERSION. Called before anything else, after every load. */
SEIRIKEN_EXPORT int32_t Seiriken_InterfaceVersion(void);

/* Fills `info` (zero-filled by the caller). Returns 0 to refuse, anything else when filled. */
SEIRIKEN_EXPORT int32_t Seiriken_GetPlgInfo(SeirikenPlgInfo *info);

/*
 * Hands over the remarks shown on the options page under "上記プラグインの特記事項：".
 * Call `sink` any number of times; the pieces are joined in order. Lines end in "\r\n" or "\n".
 * Returns non-zero on success.
 */
SEIRIKEN_EXPORT int32_t Seiriken_GetComment(SeirikenTextSink sink, void *context);

/*
 * Hands over the company names, one call of `sink` per name, in the order the console's
 * company list shows them; the list position becomes `corpIndex` of Seiriken_Draw.
 * Returns non-zero on success.
 */
SEIRIKEN_EXPORT int32_t Seiriken_GetCorpNames(SeirikenTextSink sink, void *context);

/*
 * Draws the ticket printed at one stop.
 *   stopText   the stop name (CP932)
 *   dateText   the date, "mm-dd-yyyy" for a system date or "yyyy/mm/dd" for a fixed one (CP932)
 *   timeText   the time, "hh:mm:ss", hours 00 to 23
 *   routeNo    the route number
 *   rowValue   the ticket number of the stop (a 16-bit value)
 *   dataIndex  the stop's row in the route, 1 for the first row (a 16-bit value)
 *   corpIndex  position of the chosen company name, -1 when none is chosen
 * The strings belong to the simulator and must not be changed or kept after the call.
 * The result is not examined.
 */
SEIRIKEN_EXPORT int32_t Seiriken_Draw(const SeirikenCanvas *canvas, const char *stopText,
                                      const char *dateText, const char *timeText, int32_t routeNo,
                                      int32_t rowValue, int32_t dataIndex, int32_t corpIndex);

/* The exported names and the function types, for the loader. */
#define SEIRIKEN_SYMBOL_INTERFACE_VERSION "Seiriken_InterfaceVersion"
#define SEIRIKEN_SYMBOL_GET_PLG_INFO "Seiriken_GetPlgInfo"
#define SEIRIKEN_SYMBOL_GET_COMMENT "Seiriken_GetComment"
#define SEIRIKEN_SYMBOL_GET_CORP_NAMES "Seiriken_GetCorpNames"
#define SEIRIKEN_SYMBOL_DRAW "Seiriken_Draw"

typedef int32_t (*SeirikenInterfaceVersionFn)(void);
typedef int32_t (*SeirikenGetPlgInfoFn)(SeirikenPlgInfo *info);
typedef int32_t (*SeirikenGetTextFn)(SeirikenTextSink sink, void *context);
typedef int32_t (*SeirikenDrawFn)(const SeirikenCanvas *canvas, const char *stopText,
                                  const char *dateText, const char *timeText, int32_t routeNo,
                                  int32_t rowValue, int32_t dataIndex, int32_t corpIndex);

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* SEIRIKEN_PLUGIN_H */
