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
    <message>
        <source>كيف حُسب هذا المبلغ؟</source>
        <translation>How was this amount computed?</translation>
    </message>
</context>
<context>
    <name>explanation</name>
    <message>
        <source>لم يُحسب أي مبلغ بعد: اختر الخيارات السبعة ثم اضغط «موافق».</source>
        <translation>No amount has been computed yet: choose the seven options, then press “Compute”.</translation>
    </message>
    <message>
        <source>لم يكتب الحساب الأخير %1، فبقي على المبلغ المعروض قبله %2، لأن نص المنطقة %3 ليس من عناصر قائمة المناطق (%4).</source>
        <translation>The last computation did not write %1, which keeps the amount shown before it, %2, because the zone text %3 is not in the list of zones (%4).</translation>
    </message>
    <message>
        <source>لم يكتب الحساب الأخير %1، فبقي على المبلغ المعروض قبله %2، لأن الجواب عن الأعباء الخاصة %3 ليس «%4» ولا «%5».</source>
        <translation>The last computation did not write %1, which keeps the amount shown before it, %2, because the answer on special duties %3 is neither “%4” nor “%5”.</translation>
    </message>
    <message>
        <source>لم يكتب الحساب الأخير %1، فبقي على المبلغ المعروض قبله %2، لأن عدد الأطفال %3 خارج الأعداد من %4 إلى %5.</source>
        <translation>The last computation did not write %1, which keeps the amount shown before it, %2, because the number of children %3 is not between %4 and %5.</translation>
    </message>
    <message>
        <source>لم يكتب الحساب الأخير %1، فبقي على المبلغ المعروض قبله %2، لأن الجواب عن الانخراط في التعاضدية %3 ليس «%4» ولا «%5».</source>
        <translation>The last computation did not write %1, which keeps the amount shown before it, %2, because the answer on mutual society membership %3 is neither “%4” nor “%5”.</translation>
    </message>
    <message>
        <source>لم يكتب الحساب الأخير %1، فبقي على المبلغ المعروض قبله %2، لأن نص السلم %3 ليس من عناصر قائمة السلالم، فليس له صف في شبكة الأجور.</source>
        <translation>The last computation did not write %1, which keeps the amount shown before it, %2, because the scale text %3 is not in the list of scales, so it has no row in the pay grid.</translation>
    </message>
    <message>
        <source>لم يكتب الحساب الأخير %1، فبقي على المبلغ المعروض قبله %2، لأن الرتبة %3 ليست من عناصر قائمة رتب السلم %4، فليس لها صف في شبكة الأجور.</source>
        <translation>The last computation did not write %1, which keeps the amount shown before it, %2, because the step %3 is not in the list of steps of scale %4, so it has no row in the pay grid.</translation>
    </message>
    <message>
        <source>%1 هي ما تعطيه شبكة الأجور لصف السلم %2 والرتبة %3.</source>
        <translation>%1 is what the pay grid gives for the row of scale %2 and step %3.</translation>
    </message>
    <message>
        <source>%1 مبلغ سنوي ثابت تعطيه شبكة الأجور لصف السلم %2 والرتبة %3.</source>
        <translation>%1 is a fixed annual amount that the pay grid gives for the row of scale %2 and step %3.</translation>
    </message>
    <message>
        <source>الاشتراك في %1 مبلغ سنوي ثابت تعطيه شبكة الأجور لصف السلم %2 والرتبة %3.</source>
        <translation>The contribution to %1 is a fixed annual amount that the pay grid gives for the row of scale %2 and step %3.</translation>
    </message>
    <message>
        <source>الراتب الأساسي السنوي هو النقطة الاستدلالية ناقص %1، مضروبا في %2 عن كل نقطة، ثم يضاف إليه %3 ثم %4.</source>
        <translation>The annual base salary is the index points less %1, multiplied by %2 per point, then %3 and %4 are added to it.</translation>
    </message>
    <message>
        <source>التعويض عن الإقامة هو نسبة المنطقة %1، أي %2، من الراتب الأساسي السنوي.</source>
        <translation>The residence allowance is the rate of zone %1, that is %2, of the annual base salary.</translation>
    </message>
    <message>
        <source>التعويض عن الأعباء الخاصة هو %1 من الراتب الأساسي السنوي، لأن الجواب عن الأعباء الخاصة «%2».</source>
        <translation>The special duties allowance is %1 of the annual base salary, because the answer on special duties is “%2”.</translation>
    </message>
    <message>
        <source>لا تعويض عن الأعباء الخاصة لأن الجواب عنها «%1»، فهو %2.</source>
        <translation>No special duties allowance, because the answer on special duties is “%1”, so it is %2.</translation>
    </message>
    <message>
        <source>التعويضات العائلية %1 في السنة عن كل طفل من الأطفال %2 الأوائل، ثم %3 عن كل طفل بعدهم إلى %4 أطفال؛ وعدد الأطفال هنا %5.</source>
        <translation>The family allowances are %1 a year for each of the first %2 children, then %3 for each further child up to %4 children; the number of children here is %5.</translation>
    </message>
    <message>
        <source>مجموع الراتب الأساسي والتعويضات هو الراتب الأساسي السنوي زائد كل التعويضات، ومنها التعويضات العائلية.</source>
        <translation>The total of salary and allowances is the annual base salary plus every allowance, family allowances included.</translation>
    </message>
    <message>
        <source>التقاعد هو %1 من أساس الاقتطاع، وأساس الاقتطاع هو الراتب الأساسي السنوي زائد %2 منه وزائد التعويضات عن التدرج الإداري والأعباء والتأطير.</source>
        <translation>The pension is %1 of the contribution base; the contribution base is the annual base salary plus %2 of it plus the administrative grade, duties and supervision allowances.</translation>
    </message>
    <message>
        <source>التأمين الإجباري عن المرض هو %1 من أساس الاقتطاع على ألا يتجاوز %2؛ وأساس الاقتطاع هو الراتب الأساسي السنوي زائد %3 منه وزائد التعويضات عن التدرج الإداري والأعباء والتأطير.</source>
        <translation>The compulsory health insurance is %1 of the contribution base, up to %2; the contribution base is the annual base salary plus %3 of it plus the administrative grade, duties and supervision allowances.</translation>
    </message>
    <message>
        <source>التأمين الإجباري عن المرض هو %1 من أساس الاقتطاع على ألا يتجاوز %2، وقد بلغ هذا السقف هنا؛ وأساس الاقتطاع هو الراتب الأساسي السنوي زائد %3 منه وزائد التعويضات عن التدرج الإداري والأعباء والتأطير.</source>
        <translation>The compulsory health insurance is %1 of the contribution base, up to %2, a ceiling reached here; the contribution base is the annual base salary plus %3 of it plus the administrative grade, duties and supervision allowances.</translation>
    </message>
    <message>
        <source>لا اشتراك في القطاع بالتعاضدية العامة لغير المنخرط في التعاضدية، فهو %1.</source>
        <translation>No general mutual society contribution for a non-member of the mutual society, so it is %1.</translation>
    </message>
    <message>
        <source>القطاع بالتعاضدية العامة هو %1 من الراتب الأساسي السنوي وحده للمنخرط في التعاضدية، على ألا يتجاوز %2.</source>
        <translation>The general mutual society contribution is %1 of the annual base salary alone for a member of the mutual society, up to %2.</translation>
    </message>
    <message>
        <source>القطاع بالتعاضدية العامة هو %1 من الراتب الأساسي السنوي وحده للمنخرط في التعاضدية، على ألا يتجاوز %2، وقد بلغ هذا السقف هنا.</source>
        <translation>The general mutual society contribution is %1 of the annual base salary alone for a member of the mutual society, up to %2, a ceiling reached here.</translation>
    </message>
    <message>
        <source>الصندوق التعاضدي المستقل اشتراك سنوي ثابت قدره %1 للمنخرط في التعاضدية.</source>
        <translation>The independent mutual fund is a fixed annual contribution of %1 for a member of the mutual society.</translation>
    </message>
    <message>
        <source>لا اشتراك في الصندوق التعاضدي المستقل لغير المنخرط في التعاضدية، فهو %1.</source>
        <translation>No independent mutual fund contribution for a non-member of the mutual society, so it is %1.</translation>
    </message>
    <message>
        <source>المبلغ الخاضع للضريبة هو مجموع الراتب الأساسي والتعويضات دون التعويضات العائلية، ناقص التقاعد والخصم المهني والتأمين الإجباري عن المرض واشتراكي التعاضدية؛ والخصم المهني %1 من ذلك المجموع على ألا يتجاوز %2.</source>
        <translation>The taxable income is the total of salary and allowances without the family allowances, less the pension, the work expenses deduction, the compulsory health insurance and the two mutual contributions; the work expenses deduction is %1 of that total, up to %2.</translation>
    </message>
    <message>
        <source>المبلغ الخاضع للضريبة هو مجموع الراتب الأساسي والتعويضات دون التعويضات العائلية، ناقص التقاعد والخصم المهني والتأمين الإجباري عن المرض واشتراكي التعاضدية؛ والخصم المهني %1 من ذلك المجموع على ألا يتجاوز %2، وقد بلغ هذا السقف هنا.</source>
        <translation>The taxable income is the total of salary and allowances without the family allowances, less the pension, the work expenses deduction, the compulsory health insurance and the two mutual contributions; the work expenses deduction is %1 of that total, up to %2, a ceiling reached here.</translation>
    </message>
    <message>
        <source>النسبة المطبقة هي نسبة شريحة الضريبة التي يقع فيها المبلغ الخاضع للضريبة، وهو هنا لا يتجاوز %1، فالنسبة %2.</source>
        <translation>The rate applied is the rate of the tax bracket the taxable income falls in; here it is no more than %1, so the rate is %2.</translation>
    </message>
    <message>
        <source>النسبة المطبقة هي نسبة شريحة الضريبة التي يقع فيها المبلغ الخاضع للضريبة، وهو هنا أكثر من %1 وإلى حد %2، فالنسبة %3.</source>
        <translation>The rate applied is the rate of the tax bracket the taxable income falls in; here it is over %1 and up to %2, so the rate is %3.</translation>
    </message>
    <message>
        <source>النسبة المطبقة هي نسبة شريحة الضريبة التي يقع فيها المبلغ الخاضع للضريبة، وهو هنا أكثر من %1، فالنسبة %2.</source>
        <translation>The rate applied is the rate of the tax bracket the taxable income falls in; here it is over %1, so the rate is %2.</translation>
    </message>
    <message>
        <source>الإعفاء عن الأطفال والزوجة %1 عن كل شخص متكفل به، على ألا يتجاوز الضريبة الإجمالية قبل الإعفاء.</source>
        <translation>The allowance for spouse and children is %1 for each dependent, up to the gross tax before the allowance.</translation>
    </message>
    <message>
        <source>الإعفاء عن الأطفال والزوجة %1 عن كل شخص متكفل به، على ألا يتجاوز الضريبة الإجمالية قبل الإعفاء، وقد حُدّ بها هنا.</source>
        <translation>The allowance for spouse and children is %1 for each dependent, up to the gross tax before the allowance, which limits it here.</translation>
    </message>
    <message>
        <source>الضريبة العامة على الدخل هي الضريبة الإجمالية قبل الإعفاء، حسب شريحة المبلغ الخاضع للضريبة، ناقص الإعفاء عن الأطفال والزوجة؛ والمبلغ الخاضع هنا لا يتجاوز %1، فلا ضريبة عليه.</source>
        <translation>The income tax is the gross tax before the allowance, by the bracket of the taxable income, less the allowance for spouse and children; the taxable income here is no more than %1, so it bears no tax.</translation>
    </message>
    <message>
        <source>الضريبة العامة على الدخل هي الضريبة الإجمالية قبل الإعفاء، حسب شريحة المبلغ الخاضع للضريبة، ناقص الإعفاء عن الأطفال والزوجة؛ والمبلغ الخاضع هنا أكثر من %1 وإلى حد %2، وضريبة هذه الشريحة %3 زائد %4 مما فوق %5.</source>
        <translation>The income tax is the gross tax before the allowance, by the bracket of the taxable income, less the allowance for spouse and children; the taxable income here is over %1 and up to %2, and the tax of this bracket is %3 plus %4 of what exceeds %5.</translation>
    </message>
    <message>
        <source>الضريبة العامة على الدخل هي الضريبة الإجمالية قبل الإعفاء، حسب شريحة المبلغ الخاضع للضريبة، ناقص الإعفاء عن الأطفال والزوجة؛ والمبلغ الخاضع هنا أكثر من %1، وضريبة هذه الشريحة %2 زائد %3 مما فوق %4.</source>
        <translation>The income tax is the gross tax before the allowance, by the bracket of the taxable income, less the allowance for spouse and children; the taxable income here is over %1, and the tax of this bracket is %2 plus %3 of what exceeds %4.</translation>
    </message>
    <message>
        <source>مجموع الاقتطاعات هو الضريبة العامة على الدخل زائد التقاعد والاشتراك في مؤسسة Orsanne والتأمين الإجباري عن المرض واشتراكي التعاضدية.</source>
        <translation>The total deductions are the income tax plus the pension, the Orsanne Foundation contribution, the compulsory health insurance and the two mutual contributions.</translation>
    </message>
    <message>
        <source>الأجرة السنوية هي مجموع الراتب الأساسي والتعويضات ناقص مجموع الاقتطاعات.</source>
        <translation>The annual net pay is the total of salary and allowances less the total deductions.</translation>
    </message>
    <message>
        <source>الأجرة الشهرية هي مجموع الراتب الأساسي والتعويضات ناقص مجموع الاقتطاعات، مقسوما على %1 شهرا.</source>
        <translation>The monthly net pay is the total of salary and allowances less the total deductions, divided by %1 months.</translation>
    </message>
    <message>
        <source>%1 في شبكة الأجور</source>
        <translation>%1 in the pay grid</translation>
    </message>
    <message>
        <source>النقط غير المحتسبة</source>
        <translation>index points not counted</translation>
    </message>
    <message>
        <source>قيمة النقطة في السنة</source>
        <translation>annual value of a point</translation>
    </message>
    <message>
        <source>المبلغ الأول المضاف</source>
        <translation>first amount added</translation>
    </message>
    <message>
        <source>المبلغ الثاني المضاف</source>
        <translation>second amount added</translation>
    </message>
    <message>
        <source>نسبة المنطقة %1</source>
        <translation>rate of zone %1</translation>
    </message>
    <message>
        <source>نسبة التعويض عن الأعباء الخاصة</source>
        <translation>special duties allowance rate</translation>
    </message>
    <message>
        <source>لا تعويض عن الأعباء الخاصة</source>
        <translation>no special duties allowance</translation>
    </message>
    <message>
        <source>عدد الأطفال</source>
        <translation>number of children</translation>
    </message>
    <message>
        <source>عدد الأطفال الأوائل</source>
        <translation>number of first children</translation>
    </message>
    <message>
        <source>التعويض عن كل طفل من الأوائل</source>
        <translation>allowance per first child</translation>
    </message>
    <message>
        <source>التعويض عن كل طفل بعدهم</source>
        <translation>allowance per further child</translation>
    </message>
    <message>
        <source>التعويض عن الأطفال الأوائل</source>
        <translation>allowance for the first children</translation>
    </message>
    <message>
        <source>حصة الراتب الأساسي المضافة</source>
        <translation>share of the base salary added</translation>
    </message>
    <message>
        <source>أساس الاقتطاع للتقاعد والتأمين عن المرض</source>
        <translation>base of pension and health insurance</translation>
    </message>
    <message>
        <source>نسبة التقاعد</source>
        <translation>pension rate</translation>
    </message>
    <message>
        <source>نسبة التأمين الإجباري عن المرض</source>
        <translation>compulsory health insurance rate</translation>
    </message>
    <message>
        <source>سقف التأمين الإجباري عن المرض</source>
        <translation>compulsory health insurance ceiling</translation>
    </message>
    <message>
        <source>غير منخرط في التعاضدية</source>
        <translation>not a mutual society member</translation>
    </message>
    <message>
        <source>نسبة القطاع بالتعاضدية العامة</source>
        <translation>general mutual society rate</translation>
    </message>
    <message>
        <source>سقف القطاع بالتعاضدية العامة</source>
        <translation>general mutual society ceiling</translation>
    </message>
    <message>
        <source>الاشتراك الثابت للمنخرط</source>
        <translation>fixed contribution of a member</translation>
    </message>
    <message>
        <source>المجموع دون التعويضات العائلية</source>
        <translation>total without family allowances</translation>
    </message>
    <message>
        <source>نسبة الخصم المهني</source>
        <translation>work expenses deduction rate</translation>
    </message>
    <message>
        <source>سقف الخصم المهني</source>
        <translation>work expenses deduction ceiling</translation>
    </message>
    <message>
        <source>الخصم المهني</source>
        <translation>work expenses deduction</translation>
    </message>
    <message>
        <source>الحد الأدنى للشريحة</source>
        <translation>lower bound of the bracket</translation>
    </message>
    <message>
        <source>الحد الأعلى للشريحة</source>
        <translation>upper bound of the bracket</translation>
    </message>
    <message>
        <source>نسبة الشريحة</source>
        <translation>bracket rate</translation>
    </message>
    <message>
        <source>المبلغ الثابت للشريحة</source>
        <translation>fixed amount of the bracket</translation>
    </message>
    <message>
        <source>الضريبة الإجمالية قبل الإعفاء</source>
        <translation>gross tax before the allowance</translation>
    </message>
    <message>
        <source>عدد الأشخاص المتكفل بهم</source>
        <translation>number of dependents</translation>
    </message>
    <message>
        <source>الإعفاء عن كل شخص</source>
        <translation>allowance per dependent</translation>
    </message>
    <message>
        <source>عدد الأشهر</source>
        <translation>number of months</translation>
    </message>
    <message>
        <source>%1 (محفوظ من قبل)</source>
        <translation>%1 (kept from before)</translation>
    </message>
    <message>
        <source>المبلغ المعروض قبل الحساب الأخير</source>
        <translation>amount shown before the last computation</translation>
    </message>
    <message>
        <source>%1 والسطر الذي فيه %2 تقريبي: أعداده مقرّبة إلى السنتيم، والحساب يجري على المبالغ قبل تقريبها.</source>
        <translation>%1 The line with %2 is approximate: its numbers are rounded to the cent, while the computation works on the amounts before rounding.</translation>
    </message>
    <message>
        <source>%1 والسطر الذي فيه %2 أو %3 تقريبي: أعداده مقرّبة إلى السنتيم، والحساب يجري على المبالغ قبل تقريبها.</source>
        <translation>%1 The line with %2 or %3 is approximate: its numbers are rounded to the cent, while the computation works on the amounts before rounding.</translation>
    </message>
    <message>
        <source>، </source>
        <translation>, </translation>
    </message>
    <message>
        <source>للتوضيح الكامل: انقر مرتين، أو اضغط %1، أو اختر «%2» من قائمة السياق.</source>
        <translation>For the full explanation: double-click, press %1, or choose “%2” in the context menu.</translation>
    </message>
</context>
</TS>
