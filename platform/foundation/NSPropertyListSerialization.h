#pragma once

#include "foundation/NSObjCRuntime.h"
#include "objc/NSObject.h"

#include <memory>

class NSData;

enum NSPropertyListFormat : NSUInteger {
    NSPropertyListXMLFormat_v1_0 = 100,
    NSPropertyListBinaryFormat_v1_0 = 200,
};

// Property lists in their XML and binary forms, read into and written from NSDictionary,
// NSArray, NSString, NSNumber, NSData and NSDate.
class NSPropertyListSerialization : public NSObject {
    OBJC_CLASS(NSPropertyListSerialization, NSObject)
public:
    // The root object; nothing when the data is malformed, or too large or too deep to read
    // safely (see foundation::PropertyListBounds). `format` receives the form that was read.
    static std::shared_ptr<NSObject> propertyListWithData(
        const NSData&, NSPropertyListFormat* format = nullptr);
    // Nothing when the tree holds another kind of object or nests too deep.
    static std::shared_ptr<NSData> dataWithPropertyList(const NSObject&, NSPropertyListFormat);
}; // not implemented: the old text form, keyed-archive UIDs (skipped when read)
