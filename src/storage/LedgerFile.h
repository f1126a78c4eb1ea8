#pragma once
// The data file on disk: the store's ledger loaded from it and saved to it, with its companion file, its hold and
// its recovery journal.

#include "ledger/Ledger.h"

#include <QString>
#include <functional>

namespace ledger {

// Data file. Both report their failures in message boxes themselves.
// LoadLedger reads DataFileName. On success the records and the header values (next check number, starting
// balance, lock date) are replaced and nothing else changes; on failure the store is exactly as it was, Modified
// included. The file is refused ("Unknown file type") unless it is a regular file with the header text, a record
// count of 1 or more, at least count x 64 bytes and type codes 0 to 4, and holds only values the program can
// show: dates and the lock date from 1/1/100 to 12/31/9999 (a lock date of 0 is none), amounts and the starting
// balance finite and at most MaxAmount either way. A negative amount is read as it stands. It needs no lock: a
// save replaces the file whole. The file is stamped (DiskStamping.h) and the recovery journal of the previous ledger
// ends. The marks come from the companion file (CompanionCheck.h), which never fails the load: a message says when
// marks could not be matched to the records and were dropped, or when the companion cannot be used.
bool LoadLedger();
// Writes DataFileName when the ledger is modified, asking for a name first when there is none (false when the
// prompt is cancelled); a name chosen there is always written, so that it names a file. The file is replaced as a
// whole: it is always either the complete old or the complete new ledger, exactly (live transactions + 1) x 64
// bytes, and success is reported only once the new file and its name are on the disk. The previous version stays
// beside it as NAME.bak; a symbolic link is saved through to its target, and the file keeps its permissions.
// Before writing, a file that is no longer the one last loaded or saved (size, time or bytes differ, or it is
// gone) is put to the DiskChangePrompt: Save As asks for a name and saves there, Overwrite goes on, Cancel
// returns false; without a prompt the save is refused. A file without write permission is refused. On failure
// ("Unable to save file:", the path and, on a further line, the reason when there is one) the old file is
// untouched unless the new one had already replaced it, no temporary file remains and Modified stays true. On
// success the recovery journal ends. The save uses the store's hold of the file (LedgerHold.h) or holds it for
// the save alone, and refuses a file that another copy holds; temporary files of an earlier, killed save of the
// file are removed.
// Under the same hold, its companion NAME.db (Companion.h) is written the same way (whole; the previous one stays
// as NAME.db.bak) when the ledger has marks or a companion is there: complete under a staged name before the data
// file is replaced, put in place after, so that a load after a kill at any point finds the ledger, its marks and
// its schedules all as before the save or all as after it. A companion file that the load could not use or did not
// find is never written over. When the companion cannot be written the save says "Unable to save file:" with its
// path and returns false, Modified stays true, and the data file is not replaced; when it cannot be put in place
// the data file stays saved, loads take the staged companion, and the next save puts it in place (writing the data
// file again only if the ledger changed).
bool SaveLedger();
// True for an existing file or folder, and for a name pattern (* or ?) that matches anything.
bool FileExists(const QString& path);

// Asked by SaveLedger when the ledger has no file name; it sets DataFileName and answers true when one was chosen.
using FileNamePrompt = std::function<bool(bool bOpen)>;
void SetFileNamePrompt(FileNamePrompt prompt);

enum class DiskChangeAnswer { SaveAs, Overwrite, Cancel };
// Asked by SaveLedger when the file changed on disk since it was loaded or saved (`vanished`: it is gone).
using DiskChangePrompt = std::function<DiskChangeAnswer(const QString& path, bool vanished)>;
void SetDiskChangePrompt(DiskChangePrompt prompt);
// The window keeps holding a file it saved to under a new name; tallix-cli takes its holds itself.
void SetHoldWhileOpen(bool hold);

} // namespace ledger
