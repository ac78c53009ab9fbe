#pragma once

#include <QString>

// Addresses opened through a CGI proxy: a web service that fetches the page
// whose address follows its own.
namespace CgiProxy {

// The prefix followed by target; with rewrite on (`cgi_command` kCgiRewrite) the
// target's scheme loses its "//" first ("http://" → "http/"), and a target
// with none of the four schemes gives an empty address: nothing to open.
QString Address(const QString& target, const QString& prefix, int command);

} // namespace CgiProxy
