#include "ReferenceWriter.h"

#include "desktop/HotkeyText.h"
#include "desktop/ShowMessagebox.h"
#include "desktop/Win32Hotkey.h"
#include "ui/core/BitmapTable.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/LayoutLoader.h"
#include "ui/core/StringTable.h"
#include "ui/core/XmlNesting.h"

namespace KRUI {

namespace {

// Table cells hold no '|' and no line breaks.
std::string Cell(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '|') out += "\\|";
    else if (c == '\n') out += ' ';
    else out += c;
  }
  return out;
}

std::string Code(const std::string& text) { return "`" + text + "`"; }

// The documents around the elements: how each is read, with the runtime's own names and
// limits.
std::string DocumentsMarkdown() {
  const std::string layoutRoot = Code(kLayoutRootName), stringRoot = Code(kStringRootName),
                    bitmapRoot = Code(kBitmapRootName), bitmap = Code(kBitmapElementName),
                    bitmapList = Code(kBitmapListElementName);
  return
      "## The documents\n\n"
      "The launcher reads `layout/strings.xml`, then `layout/bitmap.xml`, then `layout/bitmap2.xml`, "
      "then `layout/layout.xml`, from the installation root (or `NAME/layout/` with "
      "`--gameName=NAME`). When strings.xml, bitmap.xml or layout.xml cannot be read (missing, "
      "not well-formed, nested deeper than " + std::to_string(kXmlNestingLimit) + " levels, or, "
      "for the first two, under another root element) it shows one error box and exits with -1; "
      "bitmap2.xml is optional. Documents are UTF-8; attribute values are converted to the "
      "system code page before they are used.\n\n"
      "### layout.xml\n\n"
      "The root is " + layoutRoot + " (under another root the document holds nothing and the "
      "launcher ends at once). Each child of the root is a top-level element, normally a "
      "window; the first window with `active=\"true\"` is created at start, the others when an "
      "action shows them. Inside a window go one root control (a later one replaces an earlier), "
      "components and event handlers; inside a control, controls and event handlers; inside a "
      "component, components and event handlers; inside an event handler, actions; what an "
      "action holds is not read. Anything else stays unlinked. An element nested deeper than " +
      std::to_string(kLayoutNestingLimit) + " levels is skipped with everything inside it, as is "
      "an element of unknown name. In every attribute value `${id}` is replaced by the text of "
      "strings.xml entry `id`, and by nothing when there is none; a `${` without its `}` stays as "
      "written; the references of one value insert at most " + std::to_string(kExpandedTextLimit) +
      " characters. An attribute an element does not declare is ignored; an absent one keeps the "
      "default listed below.\n\n"
      "### strings.xml\n\n"
      "The root is " + stringRoot + ". Each child element (written `String` by convention, any "
      "name works) with both `id` and `value` is an entry; one lacking either is ignored, and the "
      "first entry for an id wins. A `value` is expanded against the entries above it (a "
      "reference to a later entry comes out empty) unless `expand` is present and is not `true`, "
      "when it is kept as written.\n\n"
      "    <" + std::string(kStringRootName) + ">\n"
      "      <String id=\"product\" value=\"Demo\"/>\n"
      "      <String id=\"title\" value=\"${product} launcher\"/>\n"
      "      <String id=\"raw\" value=\"${kept}\" expand=\"false\"/>\n"
      "    </" + std::string(kStringRootName) + ">\n\n"
      "### bitmap.xml and bitmap2.xml\n\n"
      "The root is " + bitmapRoot + " and must have `rootdir`: the image folder, relative to the "
      "document's folder (write it in ASCII: it is used as written). Its children:\n\n"
      "- " + bitmap + " with `id` and `file` (relative to rootdir): a whole image. An image GDI+ "
      "cannot read is still an entry; it draws nothing.\n"
      "- " + bitmapList + " with `file`: a sprite sheet. Each of its children (written `Cell` by "
      "convention, any name works) with `id`, `pos` (`x,y`) and `size` (`w,h`) is an entry cut "
      "out of the sheet when first drawn; a cell that is empty or not inside the image is no "
      "entry.\n\n"
      "An element lacking a required attribute is ignored, as are other elements. The first entry "
      "for an id wins across both documents, bitmap.xml first. `${id}` is not expanded here.\n\n"
      "    <" + std::string(kBitmapRootName) + " rootdir=\"..\\image\">\n"
      "      <" + std::string(kBitmapElementName) + " id=\"background\" file=\"background.png\"/>\n"
      "      <" + std::string(kBitmapListElementName) + " file=\"sprites.png\">\n"
      "        <Cell id=\"close\" pos=\"0,0\" size=\"32,32\"/>\n"
      "      </" + std::string(kBitmapListElementName) + ">\n"
      "    </" + std::string(kBitmapRootName) + ">\n\n"
      "### conf.dat\n\n"
      "The settings file in the installation root (two folders above `launcher.exe`), in INI form: "
      "`[section]` lines, then `key=value` lines; a value is at most 259 characters. It is made "
      "at the first write. The hotkey elements name their section and key (Win32Hotkey "
      "`config-group`/`config-key`, HotkeyConfigReader and HotkeyConfigWriter `group`/`key`).\n\n"
      "A hotkey text is tokens joined by `_`: `ctrl`, `alt`, `shift` in any case and order, and one "
      "decimal virtual-key code (48-57 digits, 65-90 letters, 112-123 F1-F12), e.g. `ctrl_alt_71` "
      "for Ctrl+Alt+G. A token that is no modifier is read as the key code from its leading "
      "digits; a later one replaces an earlier. Only the first " + std::to_string(kHotkeyTextLimit) +
      " characters are read. HotkeyConfigWriter writes the modifiers as `ctrl_alt_shift_`, then "
      "the code.\n\n"
      "    [hotkey]\n"
      "    toggle=ctrl_alt_71\n\n"
      "### Messages a layout sends\n\n"
      "SendMessage sends any window message number. The launcher itself answers one: " +
      std::to_string(kHotkeyReloadMessage) + ", sent to the component host window that holds "
      "Win32Hotkey elements, makes each read its combination from conf.dat again and register it "
      "anew (send it after HotkeyConfigWriter has saved a new one).\n\n"
      "### Windows and controls found by id\n\n"
      "- ShowMessagebox fills, in the popup dialog its `windowid` names, the direct children of "
      "the dialog's root control with these ids: " + Code(kMessageboxTitleId) + " and " +
      Code(kMessageboxMessageId) + " (Text controls: `title` and `message`), " +
      Code(kMessageboxYesId) + " and " + Code(kMessageboxNoId) + " (Buttons that have a caption, "
      "i.e. `text` present: `yes` and `no`). A missing control is left out. The dialog ends when "
      "one of its handlers runs ShowWindow `show=\"close\"` with a `retcode`; the handler that "
      "asked goes on only when that code equals `continue`.\n"
      "- DeleteInternetExplorerCache, when done, fills " + Code(kMessageboxTitleId) + " and " +
      Code(kMessageboxMessageId) + " of the dialog `dlg.msgbox2` with its notice and shows it over "
      "the window `wnd.game`.\n"
      "- A Button's caption is its `text-text`; `text` only says that the button has a caption "
      "(`text=\"Start\"` alone draws an empty one).\n\n";
}

}  // namespace

std::string ReferenceWriter::Markdown() {
  const ElementRegistry& registry = ElementRegistry::Instance();
  std::string out =
      "# Layout reference\n\n"
      "Generated by `krui-lint --reference` from the declarations beside each element's "
      "registration; do not edit by hand. Every attribute is optional. Values may use `${id}` "
      "references to strings.xml. A value longer than its limit is cut to that many characters "
      "(code-page bytes) before it is read; one longer than a limit marked \"longer ignored\" is "
      "not used at all.\n\n"
      "Syntaxes: *flag* is true exactly for `true`; *integer* is decimal (read up to the first "
      "character that is no digit; none gives 0); *pair* is `x,y` and *colour* `r,g,b` (each "
      "number modulo 256, always opaque), either keeping the default when it has fewer numbers; "
      "*list* is comma-separated; *choice* is one of the listed words, any other acting as the "
      "meaning says; *window reference* is a top-level window's "
      "id, or `owner` (or nothing) for the window holding the element; *window reference, empty "
      "for none* is the same but names no window when empty; *window id* is a top-level window's id as "
      "written (`owner` is no special word there); *control path* is `root:child:...` "
      "from a window's root control; *bitmap id* names an entry of bitmap.xml or bitmap2.xml.\n\n";
  out += DocumentsMarkdown();
  out += "## The elements of layout.xml\n\n";
  out += "| element | kind |\n| --- | --- |\n";
  const std::vector<std::string> names = registry.Names();
  for (const auto& name : names) {
    const ElementDeclaration* d = registry.Declaration(name);
    out += "| [" + name + "](#" + name + ") | " + (d ? ElementKindName(d->kind) : "undeclared") + " |\n";
  }
  for (const auto& name : names) {
    const ElementDeclaration* d = registry.Declaration(name);
    out += "\n### " + name + "\n\n";
    if (!d) {
      out += "Undeclared.\n";
      continue;
    }
    out += std::string("*") + ElementKindName(d->kind) + "*: " + Cell(d->help ? d->help : "") + ".\n";
    const auto attributes = d->AllAttributes();
    if (!attributes.empty()) {
      out += "\n| attribute | syntax | default | limit | meaning |\n| --- | --- | --- | --- | --- |\n";
      for (const auto* a : attributes) {
        std::string syntax = AttributeSyntaxName(a->syntax);
        if (a->syntax == AttributeSyntax::kChoice && a->choices) syntax += ": " + std::string(a->choices);
        out += "| `" + std::string(a->name) + "` | " + Cell(syntax) + " | " +
               (a->defaultValue && *a->defaultValue ? "`" + Cell(a->defaultValue) + "`" : std::string()) + " | " +
               (a->limit     ? std::to_string(a->limit)
                : a->longest ? std::to_string(a->longest) + ", longer ignored"
                             : std::string()) +
               " | " + Cell(a->help ? a->help : "") + " |\n";
      }
    }
    for (const auto& p : d->prefixes)
      out += "\n`" + std::string(p.prefix) + "*`: " + Cell(p.help) + ", any attribute of [" + p.element + "](#" +
             p.element + ") after the prefix.\n";
    if (!d->events.empty()) {
      out += "\n| event | name | raised when |\n| --- | --- | --- |\n";
      for (const auto& e : d->events)
        out += "| " + std::to_string(e.id) + " | " + Cell(e.name ? e.name : "") + " | " + Cell(e.help ? e.help : "") + " |\n";
    }
  }
  return out;
}

}  // namespace KRUI
