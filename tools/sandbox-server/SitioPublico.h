#pragma once

namespace mirvalo::sandbox {

class ServidorHttp;

// Tiny stand-ins for the public web site's pages that the error screen opens, under /sitio/ (so a
// development build can use "<sandbox>/sitio" as the site's address), and the root page that answers the
// connectivity probe.
class SitioPublico {
public:
    static void Registra(ServidorHttp& servidor);
};

}  // namespace mirvalo::sandbox
