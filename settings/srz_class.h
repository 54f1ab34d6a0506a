// Base class of objects whose whole persistent state is their published properties, stored as an XML file:
// one element per property, carrying a "type" attribute and the value text, under a root "Configuration".
#pragma once
#include <string>

#include "settings/published_property.h"

namespace zvk {

class TSrzClass {
  public:
    TSrzClass() = default;
    virtual ~TSrzClass() = default;

    // Writes every published property to the remembered file, replacing it as a whole: the new file is
    // complete on disk before it takes the old one's place. False, with the old file as it was, when
    // anything after setting up the document fails (no file name, no folder, a file that cannot be
    // written or replaced); EOleError when the XML DOM cannot be created.
    virtual bool Save();

    // Remembers a non-empty FileName, then assigns what that file holds, element by element. True when the
    // file was read to the end or does not exist; false when reading stopped part-way, with the properties
    // read before that point already assigned, or when the file is larger than MaxFileSize. EOleError when
    // the XML DOM cannot be created.
    virtual bool Load(const std::string& FileName);

    // Settings files are a few hundred bytes. A larger one never reaches the parser, whose time grows
    // faster than the file with some shapes of XML (many attributes on one element): this keeps every
    // load on the caller's thread short.
    static constexpr unsigned long MaxFileSize = 16 * 1024;

    // The file Save writes to: the last non-empty name given to Load (Windows-1251).
    const std::string& FileName() const { return FFileName; }

    // No properties of its own; the root of every derived table.
    static const TPropertyTable Properties;

  protected:
    // The concrete class's table, base classes included.
    virtual const TPropertyTable& PublishedProperties() const { return Properties; }

  private:
    std::string FFileName;
};

} // namespace zvk
