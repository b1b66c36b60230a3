#pragma once
// Whether the files a generation template names can be used, told before
// the template is loaded and worded for the command line.
//
// Loading a template (app/TemplateFile.h) reports a file that is not
// where the template says in the words the window program has always used:
// a file it then looks for in the installation's folder, or "reinstall from
// the CD-ROM" when there is none. For a template of one's own that sends
// the user to the wrong place. This check looks where the loader will look,
// in the same order, without showing anything, and says for every file it
// cannot use which key names it, the name as written, every place it was
// looked for and why it cannot be read ("no such file").
//
//   for (const std::string& problem : checkTemplateFiles(context, "tpl/x.skb"))
//     err << "tpl/x.skb: " << problem << '\n';
//
// A file found is also looked at: a model must be a model, a dictionary a
// dictionary or word list, and so on (app/FileKind.h).

#include <string>
#include <vector>

namespace vorkel {

class ApplicationContext;

// English sentences, one per file that cannot be used; empty when the
// template's files are all there. Relative names are read against the
// context's work folder, as the loader reads them.
std::vector<std::string> checkTemplateFiles(ApplicationContext& context,
                                            const std::string& templatePath);

// The output folder an installation registered: the program profile's
// "Gemmested" with the registry value as its default, as loading a template
// reads it, but without a message when there is no installation. Empty when
// neither is there.
std::string installedOutputFolder(ApplicationContext& context);

// Why `path` cannot be read as a file: "no such file", "permission
// denied", "a folder, not a file"; empty when it can be.
std::string unreadableReason(const std::string& path);

}  // namespace vorkel
