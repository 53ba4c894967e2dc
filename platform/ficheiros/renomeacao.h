// A set of temporary files put in place in one folder, under a note that lets the next opening of the
// folder finish a set that SIGKILL or a power cut left half renamed.
//
// Locks: the folder's lock (TrincoPasta) first, then the signals that end the program held (SinaisRetidos),
// never the other way, so that a wait for the lock can always be ended by Ctrl-C; and one folder lock at a
// time, for two descriptors of one process would wait for each other. Whoever holds the folder's lock is the
// only live writer there: a note found then is the note of a writer that died.
//
// A writer, holding both:
//   1. every temporary file of the set is whole and flushed to disk (FicheiroEscrita);
//   2. when the set has more than one file, or replaces a file that a dead writer's note lists, the note is
//      written: to a temporary file of its own, flushed to disk, renamed over the note, the folder flushed;
//      it lists the dead writer's renames still to do and then the set's (never the ones the set replaces);
//   3. the dead writer's renames still to do, then the set's, one after another; the folder flushed;
//   4. the temporary files of the dead writer's renames that the set replaced are removed;
//   5. the note is removed, or written again with the dead writer's renames that could not be done now.
// A set of one file that meets no note needs no note: its one rename is whole.
//
// What the next opening of the folder does (poe_no_lugar with no set), as the writer left it:
//   - no note (died before step 2 was done, or a set of one file): the files stand whole, old or new; the
//     set's temporary files, which no process holds, are removed as leftovers;
//   - the note's own temporary file beside the note of before (died in step 2): that earlier note holds and is
//     finished as below, if there is one; the temporary file is removed as a leftover;
//   - a note with k of its n renames done (died in step 3): a temporary file that is gone was renamed; the
//     n - k left are renamed, so the newest set lands whole, and the note is removed;
//   - a note with all done (died in step 4 or 5): nothing to rename; the note is removed, and the replaced
//     temporary files, which no note lists any more, are removed as leftovers.
// A rename that cannot be done at the opening (a folder at the name, a folder that cannot be written) stays in
// the note, with its temporary file, for the opening after.
#pragma once
#include <vector>

#include "nota_renomeacao.h"

// Puts a set of temporary files (whole and flushed to disk) in place in folder pasta (a descriptor), as
// above; the caller holds the folder's lock and holds back the signals that end the program. Each pair
// says whether it was done, and why not (erro): a rename that fails does not stop the others, and when the
// set's note cannot be written none is renamed. Returns the renames of the dead writer's note that cannot
// be done now, each with its erro: the note stays with them alone, for the next opening.
std::vector<Renomeacao> poe_no_lugar(int pasta, std::vector<Renomeacao>& pares);
