// The program's English message texts: every exception the framework raises takes its text from here, with
// "%s" and "%d" placeholders (and indexed forms such as "%1:s") filled in by Format.
#pragma once

namespace gl::msg {

// Objects, components and conversions.
inline constexpr const char* SAssignError = "Cannot assign a %s to a %s";
inline constexpr const char* SInvalidName = "'%s' is not a valid component name";
inline constexpr const char* SDuplicateName = "A component named %s already exists";
inline constexpr const char* SInvalidPropertyValue = "Invalid property value";
inline constexpr const char* SInvalidInteger = "'%s' is not a valid integer value";
inline constexpr const char* SInvalidFloat = "'%s' is not a valid floating point value";
inline constexpr const char* SInvalidFormat = "Format '%s' invalid or incompatible with argument";
inline constexpr const char* SArgumentMissing = "No argument for format '%s'";
inline constexpr const char* SInvalidCast = "Invalid class typecast";
inline constexpr const char* SOperationAborted = "Operation aborted";
inline constexpr const char* SOutOfMemory = "Out of memory";
inline constexpr const char* SInvalidPointer = "Invalid pointer operation";
inline constexpr const char* SUnknownException = "Unknown exception";

// The operating system.
inline constexpr const char* SOSError = "System Error.  Code: %d.\r\n%s";
inline constexpr const char* SUnkOSError = "A call to an OS function failed";
inline constexpr const char* SOutOfResources = "Out of system resources";

// Lists and strings.
inline constexpr const char* SListIndexError = "List index out of bounds (%d)";
inline constexpr const char* SListCapacityError = "List capacity out of bounds (%d)";
inline constexpr const char* SListCountError = "List count out of bounds (%d)";
inline constexpr const char* SDuplicateString = "String list does not allow duplicates";
inline constexpr const char* SSortedListError = "Operation not allowed on sorted string list";

// Streams and files.
inline constexpr const char* SReadError = "Stream read error";
inline constexpr const char* SWriteError = "Stream write error";
inline constexpr const char* SFOpenError = "Cannot open file %s";
inline constexpr const char* SFOpenErrorEx = "Cannot open file \"%s\". %s";
inline constexpr const char* SFCreateError = "Cannot create file %s";
inline constexpr const char* SFCreateErrorEx = "Cannot create file \"%s\". %s";
inline constexpr const char* SMemoryStreamError = "Out of memory while expanding memory stream";
inline constexpr const char* SInvalidStreamFormat = "Invalid stream format";
inline constexpr const char* SResNotFound = "Resource %s not found";
inline constexpr const char* SClassNotFound = "Class %s not found";
inline constexpr const char* SUnknownProperty = "Property %s does not exist";

// Graphics.
inline constexpr const char* SInvalidBitmap = "Bitmap image is not valid";
inline constexpr const char* SInvalidIcon = "Icon image is not valid";
inline constexpr const char* SInvalidMetafile = "Metafile is not valid";
inline constexpr const char* SInvalidPixelFormat = "Invalid pixel format";
inline constexpr const char* SUnknownExtension = "Unknown picture file extension (.%s)";
inline constexpr const char* SUnknownClipboardFormat = "Unsupported clipboard format";
inline constexpr const char* SNoCanvasHandle = "Canvas does not allow drawing";
inline constexpr const char* SChangeIconSize = "Cannot change the size of an icon";
inline constexpr const char* SIconToClipboard = "Clipboard does not support Icons";
inline constexpr const char* SInvalidImageSize = "Invalid image size";
inline constexpr const char* SInvalidImageList = "Invalid ImageList";
inline constexpr const char* SImageIndexError = "Invalid ImageList Index";
inline constexpr const char* SVMetafiles = "Metafiles";
inline constexpr const char* SVEnhMetafiles = "Enhanced Metafiles";
inline constexpr const char* SVIcons = "Icons";
inline constexpr const char* SVBitmaps = "Bitmaps";
inline constexpr const char* SDefaultFilter = "All files (*.*)|*.*";
inline constexpr const char* SAllFilter = "All";

// Controls and forms.
inline constexpr const char* SParentRequired = "Control '%s' has no parent window";
inline constexpr const char* SControlParentSetToSelf = "A control cannot have itself as its parent";
inline constexpr const char* SWindowDCError = "Error creating window device context";
inline constexpr const char* SWindowClass = "Error creating window class";
inline constexpr const char* SWindowCreate = "Error creating window";
inline constexpr const char* SCannotFocus = "Cannot focus a disabled or invisible window";
inline constexpr const char* SCannotShowModal = "Cannot make a visible window modal";
inline constexpr const char* SVisibleChanged = "Cannot change Visible in OnShow or OnHide";
inline constexpr const char* SMemoTooLarge = "Text exceeds memo capacity";
inline constexpr const char* SInsertLineError = "Unable to insert a line";
inline constexpr const char* SDuplicateMenus = "Menu '%s' is already being used by another form";

// The picture-open dialog.
inline constexpr const char* SPictureLabel = "Picture:";
inline constexpr const char* SPictureDesc = " (%dx%d)";
inline constexpr const char* SPreviewLabel = "Preview";
inline constexpr const char* SNone = "(None)";
inline constexpr const char* SInvalidImage = "Invalid image";

// Message boxes.
inline constexpr const char* SMsgDlgOK = "OK";
inline constexpr const char* SMsgDlgCancel = "Cancel";

} // namespace gl::msg
