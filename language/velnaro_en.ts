<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ar">
<context>
    <name>pay</name>
    <message>
        <source>النقطة الاستدلالية</source>
        <translation>Index points</translation>
    </message>
    <message>
        <source>الراتب الأساسي السنوي</source>
        <translation>Annual base salary</translation>
    </message>
    <message>
        <source>التعويض عن الإقامة</source>
        <translation>Residence allowance</translation>
    </message>
    <message>
        <source>التعويض عن الأعباء الخاصة</source>
        <translation>Special duties allowance</translation>
    </message>
    <message>
        <source>التعويض عن التدرج الإداري</source>
        <translation>Administrative grade allowance</translation>
    </message>
    <message>
        <source>التعويض عن الأعباء</source>
        <translation>Duties allowance</translation>
    </message>
    <message>
        <source>التعويض عن التأطير</source>
        <translation>Supervision allowance</translation>
    </message>
    <message>
        <source>التعويضات العائلية</source>
        <translation>Family allowances</translation>
    </message>
    <message>
        <source>مجموع الراتب الأساسي والتعويضات</source>
        <translation>Total of salary and allowances</translation>
    </message>
    <message>
        <source>التقاعد</source>
        <translation>Pension</translation>
    </message>
    <message>
        <source>التأمين الإجباري عن المرض</source>
        <translation>Compulsory health insurance</translation>
    </message>
    <message>
        <source>القطاع بالتعاضدية العامة</source>
        <translation>General mutual society</translation>
    </message>
    <message>
        <source>الصندوق التعاضدي المستقل</source>
        <translation>Independent mutual fund</translation>
    </message>
    <message>
        <source>مؤسسة Orsanne</source>
        <translation>Orsanne Foundation</translation>
    </message>
    <message>
        <source>المبلغ الخاضع للضريبة</source>
        <translation>Taxable income</translation>
    </message>
    <message>
        <source>النسبة المطبقة</source>
        <translation>Rate applied</translation>
    </message>
    <message>
        <source>الإعفاءات عن الأطفال والزوجة</source>
        <translation>Allowance for spouse and children</translation>
    </message>
    <message>
        <source>الضريبة العامة على الدخل</source>
        <translation>Income tax</translation>
    </message>
    <message>
        <source>مجموع الاقتطاعات من الأجرة</source>
        <translation>Total deductions</translation>
    </message>
    <message>
        <source>الأجرة السنوية</source>
        <translation>Annual net pay</translation>
    </message>
    <message>
        <source>الأجرة الشهرية</source>
        <translation>Monthly net pay</translation>
    </message>
    <message>
        <source>السلم أو الدرجة</source>
        <translation>Scale or grade</translation>
    </message>
    <message>
        <source>الرتبة</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>المنطقة</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>الأعباء الخاصة</source>
        <translation>Special duties</translation>
    </message>
    <message>
        <source>الأشخص المتكفل بهم</source>
        <translation>Dependents</translation>
    </message>
    <message>
        <source>التعاضديات</source>
        <translation>Mutual societies</translation>
    </message>
    <message>
        <source>التعويضات النظامية</source>
        <translation>Statutory allowances</translation>
    </message>
    <message>
        <source>9 / الدرجة الثالثة</source>
        <translation>9 / third grade</translation>
    </message>
    <message>
        <source>10 / الدرجة الثانية</source>
        <translation>10 / second grade</translation>
    </message>
    <message>
        <source>11 / الدرجة الأولى</source>
        <translation>11 / first grade</translation>
    </message>
    <message>
        <source>خارج السلم / الدرجة الممتازة</source>
        <translation>Out of scale / principal grade</translation>
    </message>
    <message>
        <source>أ</source>
        <translation>A</translation>
    </message>
    <message>
        <source>ب</source>
        <translation>B</translation>
    </message>
    <message>
        <source>ج</source>
        <translation>C</translation>
    </message>
    <message>
        <source>نعم</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>لا</source>
        <translation>No</translation>
    </message>
    <message>
        <source>الاستثنائية</source>
        <translation>exceptional</translation>
    </message>
</context>
<context>
    <name>print</name>
    <message>
        <source>قواعد الأجرة</source>
        <translation>Pay rules</translation>
    </message>
    <message>
        <source>بيان الأجرة</source>
        <translation>Pay slip</translation>
    </message>
    <message>
        <source>تاريخ الطبع</source>
        <translation>Printed on</translation>
    </message>
    <message>
        <source>الاختيارات</source>
        <translation>Choices</translation>
    </message>
    <message>
        <source>سنوي</source>
        <translation>Yearly</translation>
    </message>
    <message>
        <source>شهري</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>شريحة الضريبة</source>
        <translation>Tax bracket</translation>
    </message>
    <message>
        <source>من</source>
        <translation>from</translation>
    </message>
    <message>
        <source>إلى</source>
        <translation>to</translation>
    </message>
    <message>
        <source>أكثر من</source>
        <translation>over</translation>
    </message>
    <message>
        <source>دون أدنى شرائح الضريبة</source>
        <translation>below the lowest bracket</translation>
    </message>
    <message>
        <source>طريقة الحساب</source>
        <translation>How it was computed</translation>
    </message>
    <message>
        <source>الاسم</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>الرقم</source>
        <translation>Staff number</translation>
    </message>
</context>
<context>
    <name>velnaro-calc</name>
    <message>
        <source>rules in effect</source>
        <translation>rules in effect</translation>
    </message>
    <message>
        <source>previous rules</source>
        <translation>previous rules</translation>
    </message>
    <message>
        <source>field</source>
        <translation>field</translation>
    </message>
    <message>
        <source>in effect</source>
        <translation>in effect</translation>
    </message>
    <message>
        <source>previous</source>
        <translation>previous</translation>
    </message>
    <message>
        <source>difference</source>
        <translation>difference</translation>
    </message>
    <message numerus="yes">
        <source>arrears (%n month(s))</source>
        <translation>
            <numerusform>arrears (%n month)</numerusform>
            <numerusform>arrears (%n months)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>توضيح</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>موافق</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>حول البرنامج</source>
        <translation>About</translation>
    </message>
    <message>
        <source>اختيارات الحساب</source>
        <translation>Calculation choices</translation>
    </message>
    <message>
        <source>نتائج الحساب</source>
        <translation>Calculation results</translation>
    </message>
    <message>
        <source>الفاصل بين عمود التعويضات وعمود الاقتطاعات</source>
        <translation>Divider between the allowances column and the deductions column</translation>
    </message>
    <message>
        <source>عدد الأطفال</source>
        <translation>Number of children</translation>
    </message>
    <message>
        <source>عدد الأطفال الذين تُصرف عنهم التعويضات العائلية</source>
        <translation>Number of children for whom family allowances are paid</translation>
    </message>
    <message>
        <source>مبلغ التعويضات العائلية في السنة</source>
        <translation>Yearly amount of the family allowances</translation>
    </message>
    <message>
        <source>اقتطاعات التعاضديات</source>
        <translation>Mutual society deductions</translation>
    </message>
    <message>
        <source>التأمين الإجباري عن المرض والقطاع بالتعاضدية العامة والصندوق التعاضدي المستقل</source>
        <translation>Compulsory health insurance, general mutual society and independent mutual fund</translation>
    </message>
    <message>
        <source>الانخراط في التعاضديات</source>
        <translation>Membership of the mutual societies</translation>
    </message>
    <message>
        <source>التعويض عن العمل في الأقاليم الصحراوية المسترجعة</source>
        <translation>Allowance for service in the Saharan provinces</translation>
    </message>
    <message>
        <source>خصم الإعفاءات الضريبية عن الأطفال والزوجة</source>
        <translation>Tax deduction for children and spouse</translation>
    </message>
    <message>
        <source>اللغة</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>ستُفتح النافذة بهذه اللغة في المرة القادمة.</source>
        <translation>The window will open in this language at the next start.</translation>
    </message>
    <message>
        <source>طباعة البيان</source>
        <translation>Print the slip</translation>
    </message>
    <message>
        <source>حفظ البيان بصيغة المستندات المحمولة</source>
        <translation>Save the slip as PDF</translation>
    </message>
    <message>
        <source>نسخ البيان نصا</source>
        <translation>Copy the slip as text</translation>
    </message>
    <message>
        <source>مقارنة</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>توضيح هذا المبلغ</source>
        <translation>Explain this amount</translation>
    </message>
    <message>
        <source>من فضلك اكمل البيانات</source>
        <translation>Please complete the choices</translation>
    </message>
    <message>
        <source>نُسخ البيان إلى الحافظة</source>
        <translation>Slip copied to the clipboard</translation>
    </message>
    <message>
        <source>تعذر حفظ الملف</source>
        <translation>The file could not be saved</translation>
    </message>
    <message>
        <source>تعذرت الطباعة</source>
        <translation>Printing failed</translation>
    </message>
    <message>
        <source>حُفظ البيان في الملف</source>
        <translation>Slip saved in the file</translation>
    </message>
    <message>
        <source>لم يُحسب أي مبلغ بعد</source>
        <translation>No amount has been computed yet</translation>
    </message>
    <message>
        <source>اختر الخيارات السبعة ثم اضغط «موافق».</source>
        <translation>pick the seven choices, then press “Compute”.</translation>
    </message>
    <message>
        <source>المستندات المحمولة (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
</context>
</TS>
