// Anchors the editor's static library so that it always has one object file.
namespace sw { void GuiLibraryAnchor() {} }
