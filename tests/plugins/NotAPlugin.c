/* A shared library that is not a ticket plug-in: none of the entry points. */
#include <stdint.h>

__attribute__((visibility("default"))) int32_t SomethingElse(void)
{
    return 42;
}
