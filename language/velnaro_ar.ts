<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Off</source>
        <translation>معطّلة</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>الصّفحات</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>التجليد من الجانب القصير</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>اكتب الصّفحات أو المجالات مفصولة بفواصل؛ المجال رقمان بينهما شَرطة. مثلا 3,5-7,9 يطبع الصّفحات 3 و5 و6 و7 و9.</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>الطّباعة على الوجهين</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>التجليد من الجانب الطّويل</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>File</source>
        <translation>ملفّ</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>اسم بديل</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>قرص</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>مجلّد ملفّات</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>مجلّد</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>مجهول</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>اختصار</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>بعض الخيارات متعارضة. رجاءً أصلحها.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>متقدّم</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>إعدادات الطّباعة على الوجهين متعارضة. أتريد إصلاحها؟</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>تحديد الصّفحات غير صالح</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &#x27;,&#x27; to separate ranges and pages, &#x27;-&#x27; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>‏%1 لا يتبع الصيغة الصحيحة: افصل بين المجالات والصّفحات بـ’,‘ وحدّد المجال بـ’-‘، ولا تجعل المجالات تتقاطع.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>تعارض في إعدادات الطّباعة على الوجهين</translation>
    </message>
</context>
</TS>
