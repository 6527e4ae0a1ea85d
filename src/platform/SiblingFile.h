#pragma once

#include <string>

namespace tavo {

// The files of an installation project come from a system whose file names ignore letter case.
// FindFileIgnoringCase returns dir + "/" + the name of the directory entry that equals name
// ignoring ASCII case (just that name when dir is empty, which means the working directory): the
// exact name when it exists, else the first such entry in byte order, so the same one is taken
// every time. Returns empty text when there is none or the directory cannot be listed. Any kind
// of entry counts; whoever opens it decides whether it will do.
std::string FindFileIgnoringCase(const std::string& dir, const std::string& name);

// The same for a whole path: path itself when it exists, else its directory's entry whose name
// equals path's file-name part ignoring case, else empty text.
std::string FindPathIgnoringCase(const std::string& path);

}  // namespace tavo
