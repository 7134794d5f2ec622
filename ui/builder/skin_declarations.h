// The declarations a skin file makes besides its controls: <Font> and <Default>.
#pragma once

#include <string>

#include "ui/resource/font_table.h"
#include "ui/xml/xml_document.h"

namespace DuiLib {

// <Font id="1" name="Tahoma" size="13" bold="true" underline="false" italic="false" default="true"/>
void ReadFontDeclaration(const CXmlNode& node, CFontTable& fonts);
// <Default name="Button" value="textcolor=&quot;#FFFFFFFF&quot;"/>; false when incomplete.
bool ReadDefaultDeclaration(const CXmlNode& node, std::wstring& sClass, std::wstring& sAttributes);

}  // namespace DuiLib
