#ifndef RETAINFRAMEMEMORY_H
#define RETAINFRAMEMEMORY_H

namespace network
{
// Every exchange allocates its frames anew, a megabyte and more for a large
// reply, and frees them when it ends. By default the C library hands such
// memory back to the system at once, so the next exchange faults every page
// in again. Called once at start-up, this keeps up to 32 MiB of freed memory
// in the process for the next frames. Process-wide; no effect elsewhere.
void RetainFrameMemory();
}

#endif // RETAINFRAMEMEMORY_H
