#pragma once
// The maker's page that the About box links to. The program has no web site of its own: its page is the README,
// installed as HTML beside the program (share/doc/tallix/README.html below the install prefix).

#include <QUrl>

// The page's file URL, found from the running program's folder.
QUrl MakerPageUrl();
