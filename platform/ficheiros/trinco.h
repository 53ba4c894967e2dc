// Locks that tell a live writer from a dead one: an exclusive lock (flock) that an open file holds and that
// the system releases when its process ends, however it ends and in whatever process-id space it runs.
#pragma once

// The lock of a folder (a descriptor of it), held while this lives: the program's instances put their
// sets of files in place, create their temporary files and tidy the folder one at a time. It waits while
// another instance holds the lock (it holds it briefly); a wait of more than a second is told to the hook of
// avisa_espera. The signals that end the program must not be held meanwhile (see renomeacao.h). On a file
// system without locks it is not taken, and the work goes on without it.
class TrincoPasta {
 public:
  explicit TrincoPasta(int pasta);
  ~TrincoPasta();
  TrincoPasta(const TrincoPasta&) = delete;
  TrincoPasta& operator=(const TrincoPasta&) = delete;

 private:
  int fd_;
};

// Takes the lock of an open file, held until the file is closed: the file's writer is alive while it holds it.
void tranca(int fd);

// Whether the regular file at entry nome of folder pasta is held by no process: it can be locked now. A link,
// anything but a regular file, or a file system without locks gives false: what cannot be told dead is not.
bool abandonado(int pasta, const char* nome);

// The hook told when a wait for a folder's lock has lasted a second (true) and when it ends (false), so that
// the text window can say why nothing happens; none by default.
void avisa_espera(void (*aviso)(bool esperando));
