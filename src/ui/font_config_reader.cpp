#include "ui/font_config_reader.h"

#include <fontconfig/fontconfig.h>

#include <pthread.h>
#include <sched.h>
#include <thread>

namespace {

// Joined at the latest when the program ends, whichever way it ends.
struct Reader {
  std::thread thread;
  ~Reader() {
    if (thread.joinable()) thread.join();
  }
};

Reader& reader() {
  static Reader instance;
  return instance;
}

}  // namespace

void start_reading_font_configuration() {
  if (reader().thread.joinable()) return;
  reader().thread = std::thread([] { FcInit(); });
  // A new thread waits on the processor of the thread that made it until the
  // scheduler moves it, a millisecond or more later. Sent to the other
  // processors at once, it reads while the main thread goes on.
  cpu_set_t others;
  CPU_ZERO(&others);
  if (sched_getaffinity(0, sizeof others, &others) == 0) {
    CPU_CLR(sched_getcpu(), &others);
    if (CPU_COUNT(&others) > 0)
      pthread_setaffinity_np(reader().thread.native_handle(), sizeof others, &others);
  }
}

void finish_reading_font_configuration() {
  if (reader().thread.joinable()) reader().thread.join();
}
