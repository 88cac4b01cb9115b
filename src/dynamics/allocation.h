// Allocating the engine's result arrays without aborting: an orbit or an
// analysis too large for the memory there is (or for the address space) is a
// computation without a result, which the engine flags like any other outcome.
#pragma once

#include <new>
#include <stdexcept>

// Runs allocate (which sizes some arrays) and tells whether it got the memory.
template <typename Allocate>
bool allocated(Allocate&& allocate)
{
    try {
        allocate();
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}
