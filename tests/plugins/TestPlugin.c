/* A ticket plug-in for tests. Its capabilities come from the build (one library per variant);
 * its drawing fills the whole canvas with TEST_FILL and, when SEIRIKEN_TEST_LOG names a file,
 * appends the call's arguments to it as one tab-separated line. TEST_NO_DRAW leaves out the
 * drawing entry point; TEST_CRASH_DRAW makes the drawing die with a segmentation fault. */
#include "seiriken_plugin.h"

#include <signal.h>
#include <stdio.h>
#include <stdlib.h>

#ifndef TEST_VERSION
#define TEST_VERSION SEIRIKEN_INTERFACE_VERSION
#endif
#ifndef TEST_ACCEPT
#define TEST_ACCEPT 1
#endif
#ifndef TEST_FILL
#define TEST_FILL 0xFF00FF00u
#endif
#ifndef TEST_INFO
#define TEST_INFO 0, 3000, 1500, 1, 1, 1, 1, 1, 2, 500, 1, 1, 99, 2
#endif

/* "試験用プラグイン" CR LF "１行目" CR LF "２行目", in CP932. */
static const char Comment[] = "\x8e\x8e\x8c\xb1\x97\x70\x83\x76\x83\x89\x83\x4f\x83\x43\x83\x93\r\n"
                              "\x82\x50\x8d\x73\x96\xda\r\n"
                              "\x82\x51\x8d\x73\x96\xda";
/* "東西バス", "南北交通". */
static const char *const Companies[] = {"\x93\x8c\x90\xbc\x83\x6f\x83\x58", "\x93\xec\x96\x6b\x8c\xf0\x92\xca"};

int32_t Seiriken_InterfaceVersion(void)
{
    return TEST_VERSION;
}

int32_t Seiriken_GetPlgInfo(SeirikenPlgInfo *info)
{
    const int32_t values[14] = {TEST_INFO};
    int32_t *fields = &info->InfoHead;
    for (int i = 0; i < 14; ++i)
        fields[i] = values[i];
    return TEST_ACCEPT;
}

int32_t Seiriken_GetComment(SeirikenTextSink sink, void *context)
{
    sink(context, Comment);
    return 1;
}

int32_t Seiriken_GetCorpNames(SeirikenTextSink sink, void *context)
{
    for (int i = 0; i < 2; ++i)
        sink(context, Companies[i]);
    return 1;
}

#ifndef TEST_NO_DRAW
int32_t Seiriken_Draw(const SeirikenCanvas *canvas, const char *stopText, const char *dateText,
                      const char *timeText, int32_t routeNo, int32_t rowValue, int32_t dataIndex,
                      int32_t corpIndex)
{
#ifdef TEST_CRASH_DRAW
    raise(SIGSEGV);
#endif
    for (int32_t y = 0; y < canvas->height; ++y) {
        uint32_t *row = (uint32_t *)((unsigned char *)canvas->pixels + (size_t)y * (size_t)canvas->stride);
        for (int32_t x = 0; x < canvas->width; ++x)
            row[x] = TEST_FILL;
    }
    const char *log = getenv("SEIRIKEN_TEST_LOG");
    if (log && *log) {
        FILE *f = fopen(log, "ab");
        if (f) {
            fprintf(f, "%s\t%s\t%s\t%d\t%d\t%d\t%d\t%dx%d\n", stopText, dateText, timeText, (int)routeNo,
                    (int)rowValue, (int)dataIndex, (int)corpIndex, (int)canvas->width, (int)canvas->height);
            fclose(f);
        }
    }
    return 1;
}
#endif
