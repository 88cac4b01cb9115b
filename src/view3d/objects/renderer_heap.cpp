#include "view3d/objects/renderer_heap.h"

#include <malloc.h>

namespace {

constexpr int kHeapPadBytes = 64 * 1024 * 1024;

} // namespace

void keepRendererHeap()
{
    mallopt(M_TOP_PAD, kHeapPadBytes);
}
