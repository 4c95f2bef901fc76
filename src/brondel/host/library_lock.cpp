#include "brondel/host/library_lock.h"

#include <atomic>

namespace brondel {

namespace {
std::atomic<int> locks{0};
}

LibraryLock::LibraryLock() { ++locks; }

LibraryLock::LibraryLock(const LibraryLock&) { ++locks; }

LibraryLock::~LibraryLock() { --locks; }

int LibraryLock::count() { return locks; }

}  // namespace brondel
