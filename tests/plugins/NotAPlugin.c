/* A shared library that is not a ticket plug-in: none of the entry points. Its constructor
 * leaves a mark in the file NOTAPLUGIN_CONSTRUCTOR_LOG names, so that tests see whether it ran. */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

__attribute__((constructor)) static void leaveMark(void)
{
    const char *log = getenv("NOTAPLUGIN_CONSTRUCTOR_LOG");
    if (log && *log) {
        FILE *f = fopen(log, "ab");
        if (f) {
            fputs("constructor ran\n", f);
            fclose(f);
        }
    }
}

__attribute__((visibility("default"))) int32_t SomethingElse(void)
{
    return 42;
}
