<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="ar">
<context>
    <name>pay</name>
    <message>
        <source>النقطة الاستدلالية</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>الراتب الأساسي السنوي</source>
        <translation>Traitement de base annuel</translation>
    </message>
    <message>
        <source>التعويض عن الإقامة</source>
        <translation>Indemnité de résidence</translation>
    </message>
    <message>
        <source>التعويض عن الأعباء الخاصة</source>
        <translation>Indemnité de sujétions spéciales</translation>
    </message>
    <message>
        <source>التعويض عن التدرج الإداري</source>
        <translation>Indemnité de hiérarchie administrative</translation>
    </message>
    <message>
        <source>التعويض عن الأعباء</source>
        <translation>Indemnité de sujétions</translation>
    </message>
    <message>
        <source>التعويض عن التأطير</source>
        <translation>Indemnité d’encadrement</translation>
    </message>
    <message>
        <source>التعويضات العائلية</source>
        <translation>Allocations familiales</translation>
    </message>
    <message>
        <source>مجموع الراتب الأساسي والتعويضات</source>
        <translation>Total du traitement et des indemnités</translation>
    </message>
    <message>
        <source>التقاعد</source>
        <translation>Retraite</translation>
    </message>
    <message>
        <source>التأمين الإجباري عن المرض</source>
        <translation>Assurance maladie obligatoire</translation>
    </message>
    <message>
        <source>القطاع بالتعاضدية العامة</source>
        <translation>Mutuelle générale</translation>
    </message>
    <message>
        <source>الصندوق التعاضدي المستقل</source>
        <translation>Caisse mutualiste autonome</translation>
    </message>
    <message>
        <source>مؤسسة Orsanne</source>
        <translation>Fondation Orsanne</translation>
    </message>
    <message>
        <source>المبلغ الخاضع للضريبة</source>
        <translation>Revenu imposable</translation>
    </message>
    <message>
        <source>النسبة المطبقة</source>
        <translation>Taux appliqué</translation>
    </message>
    <message>
        <source>الإعفاءات عن الأطفال والزوجة</source>
        <translation>Déductions pour charges de famille</translation>
    </message>
    <message>
        <source>الضريبة العامة على الدخل</source>
        <translation>Impôt sur le revenu</translation>
    </message>
    <message>
        <source>مجموع الاقتطاعات من الأجرة</source>
        <translation>Total des retenues</translation>
    </message>
    <message>
        <source>الأجرة السنوية</source>
        <translation>Salaire net annuel</translation>
    </message>
    <message>
        <source>الأجرة الشهرية</source>
        <translation>Salaire net mensuel</translation>
    </message>
    <message>
        <source>السلم أو الدرجة</source>
        <translation>Échelle ou grade</translation>
    </message>
    <message>
        <source>الرتبة</source>
        <translation>Échelon</translation>
    </message>
    <message>
        <source>المنطقة</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>الأعباء الخاصة</source>
        <translation>Sujétions spéciales</translation>
    </message>
    <message>
        <source>الأشخص المتكفل بهم</source>
        <translation>Personnes à charge</translation>
    </message>
    <message>
        <source>التعاضديات</source>
        <translation>Mutuelles</translation>
    </message>
    <message>
        <source>التعويضات النظامية</source>
        <translation>Indemnités statutaires</translation>
    </message>
    <message>
        <source>9 / الدرجة الثالثة</source>
        <translation>9 / troisième grade</translation>
    </message>
    <message>
        <source>10 / الدرجة الثانية</source>
        <translation>10 / deuxième grade</translation>
    </message>
    <message>
        <source>11 / الدرجة الأولى</source>
        <translation>11 / premier grade</translation>
    </message>
    <message>
        <source>خارج السلم / الدرجة الممتازة</source>
        <translation>Hors échelle / grade principal</translation>
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
        <translation>Oui</translation>
    </message>
    <message>
        <source>لا</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>الاستثنائية</source>
        <translation>exceptionnel</translation>
    </message>
</context>
<context>
    <name>print</name>
    <message>
        <source>قواعد الأجرة</source>
        <translation>Règles de paie</translation>
    </message>
    <message>
        <source>بيان الأجرة</source>
        <translation>Bulletin de paie</translation>
    </message>
    <message>
        <source>تاريخ الطبع</source>
        <translation>Imprimé le</translation>
    </message>
    <message>
        <source>الاختيارات</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source>سنوي</source>
        <translation>Annuel</translation>
    </message>
    <message>
        <source>شهري</source>
        <translation>Mensuel</translation>
    </message>
    <message>
        <source>شريحة الضريبة</source>
        <translation>Tranche d’imposition</translation>
    </message>
    <message>
        <source>من</source>
        <translation>de</translation>
    </message>
    <message>
        <source>إلى</source>
        <translation>à</translation>
    </message>
    <message>
        <source>أكثر من</source>
        <translation>plus de</translation>
    </message>
    <message>
        <source>دون أدنى شرائح الضريبة</source>
        <translation>en dessous de la première tranche</translation>
    </message>
    <message>
        <source>طريقة الحساب</source>
        <translation>Mode de calcul</translation>
    </message>
    <message>
        <source>الاسم</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>الرقم</source>
        <translation>Matricule</translation>
    </message>
</context>
<context>
    <name>velnaro-calc</name>
    <message>
        <source>rules in effect</source>
        <translation>règles en vigueur</translation>
    </message>
    <message>
        <source>previous rules</source>
        <translation>règles précédentes</translation>
    </message>
    <message>
        <source>field</source>
        <translation>rubrique</translation>
    </message>
    <message>
        <source>in effect</source>
        <translation>en vigueur</translation>
    </message>
    <message>
        <source>previous</source>
        <translation>précédent</translation>
    </message>
    <message>
        <source>difference</source>
        <translation>écart</translation>
    </message>
    <message numerus="yes">
        <source>arrears (%n month(s))</source>
        <translation>
            <numerusform>rappel (%n mois)</numerusform>
            <numerusform>rappel (%n mois)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>توضيح</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>موافق</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>حول البرنامج</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>اختيارات الحساب</source>
        <translation>Choix du calcul</translation>
    </message>
    <message>
        <source>نتائج الحساب</source>
        <translation>Résultats du calcul</translation>
    </message>
    <message>
        <source>الفاصل بين عمود التعويضات وعمود الاقتطاعات</source>
        <translation>Séparation entre la colonne des indemnités et celle des retenues</translation>
    </message>
    <message>
        <source>عدد الأطفال</source>
        <translation>Nombre d’enfants</translation>
    </message>
    <message>
        <source>عدد الأطفال الذين تُصرف عنهم التعويضات العائلية</source>
        <translation>Nombre d’enfants ouvrant droit aux allocations familiales</translation>
    </message>
    <message>
        <source>مبلغ التعويضات العائلية في السنة</source>
        <translation>Montant annuel des allocations familiales</translation>
    </message>
    <message>
        <source>اقتطاعات التعاضديات</source>
        <translation>Retenues mutualistes</translation>
    </message>
    <message>
        <source>التأمين الإجباري عن المرض والقطاع بالتعاضدية العامة والصندوق التعاضدي المستقل</source>
        <translation>Assurance maladie obligatoire, mutuelle générale et caisse mutualiste autonome</translation>
    </message>
    <message>
        <source>الانخراط في التعاضديات</source>
        <translation>Adhésion aux mutuelles</translation>
    </message>
    <message>
        <source>التعويض عن العمل في الأقاليم الصحراوية المسترجعة</source>
        <translation>Indemnité de service dans les provinces sahariennes</translation>
    </message>
    <message>
        <source>خصم الإعفاءات الضريبية عن الأطفال والزوجة</source>
        <translation>Déduction fiscale pour enfants et conjoint</translation>
    </message>
    <message>
        <source>اللغة</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>ستُفتح النافذة بهذه اللغة في المرة القادمة.</source>
        <translation>La fenêtre s’ouvrira dans cette langue au prochain démarrage.</translation>
    </message>
    <message>
        <source>طباعة البيان</source>
        <translation>Imprimer le bulletin</translation>
    </message>
    <message>
        <source>حفظ البيان بصيغة المستندات المحمولة</source>
        <translation>Enregistrer le bulletin en PDF</translation>
    </message>
    <message>
        <source>نسخ البيان نصا</source>
        <translation>Copier le bulletin en texte</translation>
    </message>
    <message>
        <source>مقارنة</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>توضيح هذا المبلغ</source>
        <translation>Expliquer ce montant</translation>
    </message>
    <message>
        <source>من فضلك اكمل البيانات</source>
        <translation>Veuillez compléter les choix</translation>
    </message>
    <message>
        <source>نُسخ البيان إلى الحافظة</source>
        <translation>Bulletin copié dans le presse-papiers</translation>
    </message>
    <message>
        <source>تعذر حفظ الملف</source>
        <translation>Le fichier n’a pas pu être enregistré</translation>
    </message>
    <message>
        <source>تعذرت الطباعة</source>
        <translation>L’impression a échoué</translation>
    </message>
    <message>
        <source>حُفظ البيان في الملف</source>
        <translation>Bulletin enregistré dans le fichier</translation>
    </message>
    <message>
        <source>لم يُحسب أي مبلغ بعد</source>
        <translation>Aucun montant n’a encore été calculé</translation>
    </message>
    <message>
        <source>اختر الخيارات السبعة ثم اضغط «موافق».</source>
        <translation>choisissez les sept choix puis appuyez sur « Calculer ».</translation>
    </message>
    <message>
        <source>المستندات المحمولة (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
</context>
</TS>
