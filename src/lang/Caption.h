#pragma once
#include <QString>

#include <string>

// A caption as a language file writes it ("&" marks the access key, "&&" is a
// literal ampersand), for controls that show no access key: the "&" go, "&&"
// becomes "&".
QString captionWithoutAccessKey(const std::string& caption);
